// SPDX-License-Identifier: MIT
// A line edit driven by the entry rules (entry/amount_field.h): it is the rules' TextField and
// hands them its focus changes, character keys and every change of its text. Characters reach it
// by keys and input methods only, each through the key rule; it takes no drops and has no length
// limit.
#pragma once

#include <QLineEdit>
#include <string>

#include "entry/text_field.h"

namespace isr {

class EntryLineEdit : public QLineEdit, public TextField {
  public:
    explicit EntryLineEdit(QWidget* parent);

    std::string Text() const override;
    // Runs the text-change rule before it returns, through textChanged.
    void SetText(const std::string& text) override;
    int SelStart() const override;
    void SetSelStart(int position) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    std::string Tag() const override { return "N"; }
    bool Enabled() const override { return isEnabled(); }
    void SetEnabled(bool enabled) override { setEnabled(enabled); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // Each character as a key of its own, one after the other.
    void TypeEach(const QString& characters, Qt::KeyboardModifiers modifiers);

    // Set from coming to the field until the person edits in it or clicks: the first press must
    // not drop the selection that focus-in made.
    bool keepSelectionOnPress_ = false;
};

}  // namespace isr
