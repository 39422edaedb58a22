// SPDX-License-Identifier: MIT
#include "ui/result_line_edit.h"

#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace isr {

namespace {

// QLineEdit keeps this margin on each side of its text, and scrolls once the text's width plus
// one pixel and the cursor's no longer fit between them.
constexpr qreal kTextMargin = 2;
constexpr qreal kCursorAllowance = 2;
// Shrinking goes by quarter points, down to where a figure is still legible at the window's DPI.
constexpr qreal kPointStep = 0.25;
constexpr qreal kSmallestPointSize = 4;

}  // namespace

ResultLineEdit::ResultLineEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, &ResultLineEdit::FitText);
}

void ResultLineEdit::SetFigureFont(const QFont& font) {
    figureFont_ = font;
    FitText();
}

QVariant ResultLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    return inputMethodQuery(query, QVariant());
}

QVariant ResultLineEdit::inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const {
    if (query == Qt::ImEnabled) return false;
    return QLineEdit::inputMethodQuery(query, std::move(argument));
}

void ResultLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}

void ResultLineEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    FitText();
}

qreal ResultLineEdit::TextRoom() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    return contents.width() - 2 * kTextMargin - kCursorAllowance;
}

void ResultLineEdit::FitText() {
    setFont(figureFont_);
    QFont fitted = font();
    const qreal room = TextRoom();
    const QString shown = text();
    while (QFontMetricsF(fitted, this).horizontalAdvance(shown) > room &&
           fitted.pointSizeF() - kPointStep >= kSmallestPointSize) {
        fitted.setPointSizeF(fitted.pointSizeF() - kPointStep);
    }
    if (fitted != font()) setFont(fitted);
}

}  // namespace isr
