// SPDX-License-Identifier: MIT
#include "web/amount_input.h"

#include "entry/amount_field.h"
#include "web/dom.h"

namespace isr {

std::string AmountInput::Text() const {
    return dom::Value(id_);
}

void AmountInput::SetText(const std::string& text) {
    dom::SetValue(id_, text);
    AmountFieldTextChanged(*this);
}

int AmountInput::SelStart() const {
    return dom::SelectionStart(id_);
}

// The input itself clamps positions beyond its text, as the rules expect.
void AmountInput::SetSelStart(int position) {
    dom::SetSelection(id_, position, position);
}

int AmountInput::SelLength() const {
    return dom::SelectionEnd(id_) - dom::SelectionStart(id_);
}

void AmountInput::SetSelLength(int length) {
    const int start = SelStart();
    dom::SetSelection(id_, start, start + length);
}

bool AmountInput::Enabled() const {
    return dom::Enabled(id_);
}

void AmountInput::SetEnabled(bool enabled) {
    dom::SetEnabled(id_, enabled);
}

bool DomSwitch::Enabled() const {
    return dom::Enabled(id_);
}

void DomSwitch::SetEnabled(bool enabled) {
    dom::SetEnabled(id_, enabled);
}

}  // namespace isr
