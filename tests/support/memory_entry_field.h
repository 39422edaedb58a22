// SPDX-License-Identifier: MIT
// An in-memory stand-in for txtBase or txtPagos, for tests and tools without a window.
#pragma once

#include "memory_text_field.h"

namespace isr {

// Connects the four amount-field rules to the field, as the window does for its entry fields.
void ConnectAmountFieldRules(MemoryTextField& field);

}  // namespace isr
