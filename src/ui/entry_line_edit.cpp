// SPDX-License-Identifier: MIT
#include "ui/entry_line_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "entry/amount_field.h"

namespace isr {

namespace {

// Focus moves that stay inside the field as far as the user is concerned: its context menu
// opening and closing, another program's window taking over and handing back.
bool FieldKeepsFocus(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

}  // namespace

EntryLineEdit::EntryLineEdit(QWidget* parent) : QLineEdit(parent) {
    // Runs inside every change, the program's own writes included; a reset to "0" nests the
    // rule once more, and "0" ends it.
    connect(this, &QLineEdit::textChanged, this, [this] { AmountFieldTextChanged(*this); });
}

std::string EntryLineEdit::Text() const {
    return text().toStdString();
}

void EntryLineEdit::SetText(const std::string& text) {
    setText(QString::fromStdString(text));
}

int EntryLineEdit::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void EntryLineEdit::SetSelStart(int position) {
    setCursorPosition(std::clamp(position, 0, static_cast<int>(text().size())));
}

int EntryLineEdit::SelLength() const {
    return static_cast<int>(selectedText().size());
}

void EntryLineEdit::SetSelLength(int length) {
    const int start = SelStart();
    const int clamped = std::clamp(length, 0, static_cast<int>(text().size()) - start);
    if (clamped == 0) {
        setCursorPosition(start);
    } else {
        setSelection(start, clamped);
    }
}

// A key that types a character (the text of the event, control characters such as backspace
// (8), Enter (13) and Ctrl+V (22) included) goes through the key rule first; a code of 0 coming
// back drops the key. Keys without a character (arrows, Home, Delete) edit as usual.
void EntryLineEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.isEmpty() || event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!AmountFieldKeyTyped(*this, typed.at(0).unicode())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (FieldKeepsFocus(event->reason())) return;
    AmountFieldFocusIn(*this);
    keepSelectionOnPress_ = event->reason() == Qt::MouseFocusReason;
}

void EntryLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    keepSelectionOnPress_ = false;
    if (FieldKeepsFocus(event->reason())) return;
    AmountFieldFocusOut(*this);
}

void EntryLineEdit::mousePressEvent(QMouseEvent* event) {
    if (keepSelectionOnPress_) {
        keepSelectionOnPress_ = false;
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

}  // namespace isr
