// SPDX-License-Identifier: MIT
// The event handlers of the two entry fields, txtBase and txtPagos (both Tag "N"), and of the
// period list. Whoever binds a field connects all four field handlers; the field must run
// EntryField_Change after every change of its text, program writes included.
#pragma once

#include <cstdint>
#include <string_view>

#include "entry/text_field.h"

namespace isr {

inline constexpr std::string_view kNumericKeys = "0123456789.";

// Selects the whole text, so that the first key replaces it.
void EntryField_GotFocus(TextField& field);
// Lets through digits, one point (at the end) and backspace.
void EntryField_KeyPress(TextField& field, std::int16_t& keyAscii);
// A text that is not a number (empty, a lone point, pasted letters) becomes "0", wholly selected.
void EntryField_Change(TextField& field);
// Shows the value as "#,0.00", rounded to cents.
void EntryField_LostFocus(TextField& field);

// The subsidy already paid (txtPagos) and its caption (lbl(13)) count only for the annual period:
// both are enabled exactly for list position 1, "Anual". The text of txtPagos stays as it is.
void cmbTarifa_Click(int listIndex, Switchable& txtPagos, Switchable& lbl13);

}  // namespace isr
