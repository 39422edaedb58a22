// SPDX-License-Identifier: MIT
// A single-line text box held in memory: the text field of the entry rules' tests and fuzzers,
// with methods that stand in for what a user does to the box.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "entry/text_field.h"

namespace isr {

// A caption, or anything else that is only ever enabled or disabled.
class MemorySwitch : public Switchable {
  public:
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }

  private:
    bool enabled_ = false;
};

// One byte is one character. The selection runs from the caret on (SelStart, SelLength), as in
// TextField. Every text change, a program write or a user edit, runs the change handler before
// the call returns; a write made inside a handler runs it again, nested. The user methods act only
// while the field is enabled; which field receives input is the caller's business, so they do
// not require the focus.
class MemoryTextField : public TextField {
  public:
    using FieldHandler = std::function<void(TextField&)>;
    // Whether the typed character goes on into the field.
    using KeyHandler = std::function<bool(TextField&, char32_t)>;

    explicit MemoryTextField(std::string tag, std::string text = "");
    MemoryTextField(const MemoryTextField&) = delete;
    MemoryTextField& operator=(const MemoryTextField&) = delete;

    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    std::string Text() const override { return text_; }
    // Leaves the caret at the end of the new text with nothing selected, then runs the change
    // handler (also when the text is the same).
    void SetText(const std::string& text) override;
    int SelStart() const override { return caret_; }
    void SetSelStart(int position) override;
    int SelLength() const override { return selection_; }
    void SetSelLength(int length) override;
    std::string Tag() const override { return tag_; }

    void OnChange(FieldHandler handler) { on_change_ = std::move(handler); }
    void OnKeyPress(KeyHandler handler) { on_key_press_ = std::move(handler); }
    void OnGotFocus(FieldHandler handler) { on_got_focus_ = std::move(handler); }
    void OnLostFocus(FieldHandler handler) { on_lost_focus_ = std::move(handler); }

    // A character key: the key handler sees it first and may drop it. Then backspace (8)
    // deletes the selection or the character before the caret, a code from 32 to 255 replaces
    // the selection with that byte, and other control codes (Enter, Escape, Ctrl with a letter)
    // change nothing, as in a single-line box.
    void TypeKey(char32_t code);
    // The Delete key, which raises no character key: deletes the selection or the character
    // after the caret.
    void PressDelete();
    // A paste through the context menu: replaces the selection without any key handler. A
    // single-line box keeps only the first line of the pasted text.
    void Paste(std::string_view text);
    void SelectAll();
    void Home();
    void End();
    // Left and Right collapse a selection to its start or end, or else move the caret by one.
    void Left();
    void Right();

    bool HasFocus() const { return focused_; }
    // Run the focus handlers on a real change of focus only; a disabled field takes no focus.
    void FocusIn();
    void FocusOut();

  private:
    int Length() const { return static_cast<int>(text_.size()); }
    // Replaces the selection (or inserts at the caret) and leaves the caret after the insertion.
    void ReplaceSelection(std::string_view insertion);
    void Edit(std::string text, int caret);

    std::string tag_;
    std::string text_;
    int caret_ = 0;
    int selection_ = 0;
    bool enabled_ = true;
    bool focused_ = false;
    FieldHandler on_change_;
    KeyHandler on_key_press_;
    FieldHandler on_got_focus_;
    FieldHandler on_lost_focus_;
};

}  // namespace isr
