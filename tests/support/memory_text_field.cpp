// SPDX-License-Identifier: MIT
#include "memory_text_field.h"

#include <algorithm>
#include <utility>

#include "entry/key_filter.h"

namespace isr {

MemoryTextField::MemoryTextField(std::string tag, std::string text)
    : tag_(std::move(tag)), text_(std::move(text)), caret_(Length()) {}

void MemoryTextField::SetText(const std::string& text) {
    Edit(text, static_cast<int>(text.size()));
}

void MemoryTextField::SetSelStart(int position) {
    caret_ = std::clamp(position, 0, Length());
    selection_ = 0;
}

void MemoryTextField::SetSelLength(int length) {
    selection_ = std::clamp(length, 0, Length() - caret_);
}

void MemoryTextField::TypeKey(char32_t code) {
    if (!enabled_) return;
    if (on_key_press_ && !on_key_press_(*this, code)) return;
    if (code == kBackspace) {
        if (selection_ == 0 && caret_ > 0) {
            caret_ -= 1;
            selection_ = 1;
        }
        if (selection_ > 0) ReplaceSelection("");
    } else if (code >= 32 && code <= 255) {
        ReplaceSelection(std::string(1, static_cast<char>(code)));
    }
}

void MemoryTextField::PressDelete() {
    if (!enabled_) return;
    if (selection_ == 0 && caret_ < Length()) selection_ = 1;
    if (selection_ > 0) ReplaceSelection("");
}

void MemoryTextField::Paste(std::string_view text) {
    if (!enabled_) return;
    const auto line = text.substr(0, text.find_first_of("\r\n"));
    if (!line.empty() || selection_ > 0) ReplaceSelection(line);
}

void MemoryTextField::SelectAll() {
    if (!enabled_) return;
    caret_ = 0;
    selection_ = Length();
}

void MemoryTextField::Home() {
    if (enabled_) SetSelStart(0);
}

void MemoryTextField::End() {
    if (enabled_) SetSelStart(Length());
}

void MemoryTextField::Left() {
    if (enabled_) SetSelStart(selection_ > 0 ? caret_ : caret_ - 1);
}

void MemoryTextField::Right() {
    if (enabled_) SetSelStart(caret_ + std::max(selection_, 1));
}

void MemoryTextField::FocusIn() {
    if (!enabled_ || focused_) return;
    focused_ = true;
    if (on_got_focus_) on_got_focus_(*this);
}

void MemoryTextField::FocusOut() {
    if (!focused_) return;
    focused_ = false;
    if (on_lost_focus_) on_lost_focus_(*this);
}

void MemoryTextField::ReplaceSelection(std::string_view insertion) {
    std::string text = text_;
    text.replace(static_cast<std::size_t>(caret_), static_cast<std::size_t>(selection_), insertion);
    Edit(std::move(text), caret_ + static_cast<int>(insertion.size()));
}

void MemoryTextField::Edit(std::string text, int caret) {
    text_ = std::move(text);
    caret_ = caret;
    selection_ = 0;
    // The handler may write the text again; it runs on the field as this edit left it.
    if (on_change_) on_change_(*this);
}

}  // namespace isr
