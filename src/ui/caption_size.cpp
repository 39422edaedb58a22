// SPDX-License-Identifier: MIT
#include "ui/caption_size.h"

#include <QFontMetrics>

namespace isr {

namespace {

// Below this the letters would visibly crowd; a caption that still does not fit is left so.
constexpr int kTightestLetterSpacing = 90;

// Where a caption `width` wide starts in `box`, aligned as the label says.
int LeftIn(const QRect& box, int width, Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight) return box.x() + box.width() - width;
    if (alignment & Qt::AlignHCenter) return box.x() + (box.width() - width) / 2;
    return box.x();
}

}  // namespace

void SizeToCaption(QLabel* label) {
    const QRect box = label->geometry();
    const int room = label->parentWidget()->width();
    QFont font = label->font();
    // Set even where it stays at 100%: Qt then draws no ligatures (the "fi" of "fiscal" as one
    // glyph), which the typeface the window was designed with never drew either.
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    int width = QFontMetrics(font).horizontalAdvance(label->text());
    for (int spacing = 99;
         LeftIn(box, width, label->alignment()) + width > room && spacing >= kTightestLetterSpacing;
         --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        width = QFontMetrics(font).horizontalAdvance(label->text());
    }
    if (font != label->font()) label->setFont(font);
    label->setGeometry(LeftIn(box, width, label->alignment()), box.y(), width,
                       QFontMetrics(font).height());
}

}  // namespace isr
