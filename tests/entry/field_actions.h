// SPDX-License-Identifier: MIT
// Short names for what a user does to a field, so tables of edits read as scripts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "memory_text_field.h"

namespace isr::actions {

using Action = std::function<void(MemoryTextField&)>;

inline Action Key(char32_t code) {
    return [code](MemoryTextField& f) { f.TypeKey(code); };
}
inline Action Paste(std::string text) {
    return [text](MemoryTextField& f) { f.Paste(text); };
}
inline Action CaretAt(int position) {
    return [position](MemoryTextField& f) { f.SetSelStart(position); };
}
inline Action SelLength(int length) {
    return [length](MemoryTextField& f) { f.SetSelLength(length); };
}
inline Action Write(std::string text) {
    return [text](MemoryTextField& f) { f.SetText(text); };
}
inline const Action kBackspace = Key(8);
inline const Action kDelete = [](MemoryTextField& f) { f.PressDelete(); };
inline const Action kSelectAll = [](MemoryTextField& f) { f.SelectAll(); };
inline const Action kHome = [](MemoryTextField& f) { f.Home(); };
inline const Action kEnd = [](MemoryTextField& f) { f.End(); };
inline const Action kLeft = [](MemoryTextField& f) { f.Left(); };
inline const Action kRight = [](MemoryTextField& f) { f.Right(); };
inline const Action kFocusIn = [](MemoryTextField& f) { f.FocusIn(); };
inline const Action kFocusOut = [](MemoryTextField& f) { f.FocusOut(); };

}  // namespace isr::actions
