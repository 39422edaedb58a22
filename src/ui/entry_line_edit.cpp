// SPDX-License-Identifier: MIT
#include "ui/entry_line_edit.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>
#include <limits>

#include "entry/amount_field.h"

namespace isr {

namespace {

// Focus moves that stay inside the field as far as the user is concerned: its context menu
// opening and closing. The window handing the focus back after another one took over brings the
// person back to the field, and selects its text as any other way of coming to it does.
bool FieldKeepsFocus(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason;
}

// Leaving for another window is no leaving of the field: its text is formatted only when the
// person goes to another control.
bool FieldIsLeft(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace

EntryLineEdit::EntryLineEdit(QWidget* parent) : QLineEdit(parent) {
    // A drop would put its text in past the key rule, and into a field that may never have the
    // focus to be formatted on leaving it.
    setAcceptDrops(false);
    setMaxLength(std::numeric_limits<int>::max());
    // Input methods that read it (on-screen keyboards) offer digits rather than compose words.
    setInputMethodHints(Qt::ImhFormattedNumbersOnly);
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
// (8), Enter (13) and Ctrl+V (22) included) goes through the key rule first, which may drop it.
// Keys without a character (arrows, Home, Delete) edit as usual. An event that carries several
// characters (a compose sequence, an input method's keys, key repeats compressed into one) is typed
// one character at a time.
void EntryLineEdit::keyPressEvent(QKeyEvent* event) {
    keepSelectionOnPress_ = false;  // the person is editing: a click now places the caret
    const QString typed = event->text();
    if (typed.isEmpty() || event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed.size() > 1) {
        TypeEach(typed, event->modifiers());
        event->accept();
        return;
    }
    if (!AmountFieldKeyTyped(*this, typed.at(0).unicode())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// What an input method is still composing (its pre-edit) is neither shown in the field nor put
// in it: only a commit brings characters, and they pass the key rule as typed keys do. The
// characters a commit replaces around the caret are selected first, for the typed ones to replace.
void EntryLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    keepSelectionOnPress_ = false;
    if (event->replacementLength() > 0) {
        const int length = static_cast<int>(text().size());
        const int from = std::clamp(cursorPosition() + event->replacementStart(), 0, length);
        setSelection(from, std::min(event->replacementLength(), length - from));
        if (event->commitString().isEmpty()) del();
    }
    TypeEach(event->commitString(), Qt::NoModifier);
    event->accept();
}

// A lone half of a surrogate pair is no character the key rule lets through, so splitting a pair
// drops it as a whole, as its first half alone would.
void EntryLineEdit::TypeEach(const QString& characters, Qt::KeyboardModifiers modifiers) {
    for (const QChar c : characters) {
        const Qt::Key key = c == u'\b' ? Qt::Key_Backspace : Qt::Key_unknown;
        QKeyEvent single(QEvent::KeyPress, key, modifiers, QString(c));
        keyPressEvent(&single);
    }
}

// However the person comes (Tab, a click, the window becoming active again, whichever of them
// the platform reports first), the text is selected, and the first click keeps it selected: the
// click that brought them must not place a caret inside an amount that the typed one would join.
void EntryLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (FieldKeepsFocus(event->reason())) return;
    AmountFieldFocusIn(*this);
    keepSelectionOnPress_ = true;
}

void EntryLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!FieldIsLeft(event->reason())) return;
    keepSelectionOnPress_ = false;
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
