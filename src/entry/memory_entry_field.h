// SPDX-License-Identifier: MIT
// An in-memory stand-in for txtBase or txtPagos, for tests and tools without a window.
#pragma once

#include "entry/memory_text_field.h"

namespace isr {

// Connects the four entry-field handlers to the field, as the window does for its entry fields.
void ConnectEntryHandlers(MemoryTextField& field);

}  // namespace isr
