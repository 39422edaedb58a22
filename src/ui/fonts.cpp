// SPDX-License-Identifier: MIT
#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace isr {

namespace {

constexpr const char* kTahoma = "Tahoma";
constexpr const char* kCourierNew = "Courier New";
constexpr const char* kLiberationMono = "Liberation Mono";
// Only the regular face: the clone's bold face draws hairline strokes without antialiasing above
// 8 pt (the 12 pt result box would look regular), while Qt's bold synthesised from the regular
// face reads as bold at every size.
constexpr const char* kWineTahoma = "/usr/share/wine/fonts/tahoma.ttf";
// Below this the letters would visibly crowd; a caption that still does not fit is left so.
constexpr int kTightestLetterSpacing = 90;

bool Installed(const char* family) {
    return QFontDatabase::families().contains(QString::fromLatin1(family));
}

}  // namespace

void RegisterSubstituteFonts() {
    if (Installed(kTahoma)) return;
    QFontDatabase::addApplicationFont(QString::fromLatin1(kWineTahoma));
}

QFont WindowFont() {
    QFont font(QString::fromLatin1(kTahoma));
    font.setPointSizeF(kWindowPointSize);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont ListingFont() {
    QFont font(QString::fromLatin1(Installed(kCourierNew) ? kCourierNew : kLiberationMono));
    font.setPointSizeF(kWindowPointSize);
    font.setStyleHint(QFont::Monospace);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    return font;
}

void FitCaption(QLabel* label) {
    QFont font = label->font();
    for (int spacing = 100; spacing >= kTightestLetterSpacing; --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= label->width()) break;
    }
    if (font != label->font()) label->setFont(font);
}

}  // namespace isr
