// SPDX-License-Identifier: MIT
// The rules of the window's two amount fields, txtBase and txtPagos (Tag "N"): one function per
// event the field raises, and the period list's effect on txtPagos. Whoever binds a field calls
// all four field functions, and runs AmountFieldTextChanged after every change of its text,
// program writes included.
#pragma once

#include <string_view>

#include "entry/text_field.h"

namespace isr {

// The characters an amount field lets through, besides backspace.
inline constexpr std::string_view kAmountKeys = "0123456789.";

// Selects the field's whole text, caret at the start, so that the next key replaces it.
void SelectAllText(TextField& field);

// On focus-in: selects the whole text.
void AmountFieldFocusIn(TextField& field);
// On a typed character, before it reaches the field: digits, one point (at the end) and
// backspace pass; false drops the character.
bool AmountFieldKeyTyped(TextField& field, char32_t key);
// After every change of the text: a text that is not a number (empty, a lone point, pasted
// letters) becomes "0", wholly selected.
void AmountFieldTextChanged(TextField& field);
// On focus-out: shows the value as "#,0.00", rounded to cents, every digit kept.
void AmountFieldFocusOut(TextField& field);
// On "&Calcular", before the calculation reads the field: formats it as leaving it would, since a
// text can arrive without the focus (a screen reader's write) and a press can leave the focus in
// the field (an accessible action), so the calculation reads, and the field shows, the amount
// rounded to cents. A disabled field (txtPagos outside "Anual") takes no part and stays as it is.
void AmountFieldBeforeCalculation(TextField& field);

// On choosing a period: the subsidy already paid (txtPagos) and its caption (lbl(13)) count only
// for "Anual", so both are enabled exactly for it. The text of txtPagos stays as it is.
void EnableSubsidySumFor(int periodListIndex, Switchable& subsidySum, Switchable& caption);

}  // namespace isr
