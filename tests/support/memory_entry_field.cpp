// SPDX-License-Identifier: MIT
#include "memory_entry_field.h"

#include "entry/amount_field.h"

namespace isr {

void ConnectAmountFieldRules(MemoryTextField& field) {
    field.OnGotFocus(AmountFieldFocusIn);
    field.OnKeyPress(AmountFieldKeyTyped);
    field.OnChange(AmountFieldTextChanged);
    field.OnLostFocus(AmountFieldFocusOut);
}

}  // namespace isr
