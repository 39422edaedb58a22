// SPDX-License-Identifier: MIT
#include "ui/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace isr {

namespace {

constexpr const char* kTahoma = "Tahoma";
constexpr const char* kCourierNew = "Courier New";
constexpr const char* kLiberationMono = "Liberation Mono";
// Only the regular face: the clone's bold face draws hairline strokes without antialiasing above
// 8 pt (the 12 pt result box would look regular), while Qt's bold synthesised from the regular
// face reads as bold at every size.
constexpr const char* kWineTahoma = "/usr/share/wine/fonts/tahoma.ttf";

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

void MakeWindowFontTheDefault() {
    const QFont desktop = QApplication::font();
    QApplication::setFont(WindowFont());  // clears the fonts set per class, so it comes first
    QApplication::setFont(desktop, "QMenu");
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

}  // namespace isr
