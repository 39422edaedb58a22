// SPDX-License-Identifier: MIT
// The character-key rule of a numeric field, run before a typed character reaches the field.
#pragma once

#include <string_view>

#include "entry/text_field.h"

namespace isr {

inline constexpr char32_t kBackspace = 8;

// Whether a typed character may reach the field; false drops it. A field opts in with a Tag that
// starts with "N"; the rest of the Tag, when numeric, is its maximum. Backspace always passes;
// any other character must occur in `allowed`, must not take the text above the maximum when
// appended or prepended (unless the whole text is selected, so that the key replaces it), and:
// - "." only ever goes at the end of a text without a point: the caret moves to the end and the
//   key is dropped when a point is already there; "0" becomes "0." by itself;
// - "-" toggles a leading sign and keeps the caret beside the same digit; the key is dropped.
bool FilterNumericKey(TextField& field, char32_t key, std::string_view allowed);

}  // namespace isr
