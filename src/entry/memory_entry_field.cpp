// SPDX-License-Identifier: MIT
#include "entry/memory_entry_field.h"

#include "entry/entry_handlers.h"

namespace isr {

void ConnectEntryHandlers(MemoryTextField& field) {
    field.OnGotFocus(EntryField_GotFocus);
    field.OnKeyPress(EntryField_KeyPress);
    field.OnChange(EntryField_Change);
    field.OnLostFocus(EntryField_LostFocus);
}

}  // namespace isr
