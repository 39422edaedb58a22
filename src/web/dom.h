// SPDX-License-Identifier: MIT
// The few things the page's C++ reads and writes of its HTML elements, by element id. Each is
// one small JavaScript function; nothing here decides anything.
#pragma once

#include <string>
#include <string_view>

namespace isr::dom {

// The value of an input or a select.
std::string Value(const char* id);
// Sets the value of an input. Raises no event.
void SetValue(const char* id, std::string_view text);

int SelectionStart(const char* id);
int SelectionEnd(const char* id);
// Positions in characters of the value, as the input counts them.
void SetSelection(const char* id, int start, int end);

// An input or a button is enabled through its `disabled` property; any other element (a label)
// carries the class "disabled" while it is off.
bool Enabled(const char* id);
void SetEnabled(const char* id, bool enabled);

int SelectedIndex(const char* id);
void AddOption(const char* selectId, std::string_view text);

// The text content of an element.
void SetText(const char* id, std::string_view text);

}  // namespace isr::dom
