// SPDX-License-Identifier: MIT
// The stateless routines that the window's numeric fields share.
#pragma once

#include <cstdint>
#include <string_view>

#include "entry/text_field.h"

namespace isr {

// The character-key filter of a numeric field, run before the key reaches the field. A field
// opts in with a Tag that starts with "N"; the rest of the Tag, when numeric, is its maximum.
// Sets keyAscii to 0 to cancel the key. Backspace (8) always passes; any other key must occur in
// `allowed`, must not take the text above the maximum when appended or prepended (unless the
// whole text is selected, so that the key replaces it), and:
// - "." only ever goes at the end of a text without a point: the caret moves to the end and the
//   key is cancelled when a point is already there; "0" becomes "0." by itself;
// - "-" toggles a leading sign and keeps the caret beside the same digit; the key is cancelled.
void FilterNumericKey(TextField& field, std::int16_t& keyAscii, std::string_view allowed);

// Selects the field's whole text, caret at the start.
void SelectAllText(TextField& field);

}  // namespace isr
