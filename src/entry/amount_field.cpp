// SPDX-License-Identifier: MIT
#include "entry/amount_field.h"

#include "entry/key_filter.h"
#include "entry/numeric_text.h"
#include "money/amount_text.h"
#include "tariffs/periods.h"

namespace isr {

void SelectAllText(TextField& field) {
    field.SetSelStart(0);
    // The whole text, however long: a long pasted text must be replaced by the next key.
    field.SetSelLength(static_cast<int>(field.Text().size()));
}

void AmountFieldFocusIn(TextField& field) {
    SelectAllText(field);
}

bool AmountFieldKeyTyped(TextField& field, char32_t key) {
    return FilterNumericKey(field, key, kAmountKeys);
}

void AmountFieldTextChanged(TextField& field) {
    if (IsNumeric(field.Text())) return;
    field.SetText("0");  // runs this handler again, which accepts "0"
    SelectAllText(field);
}

void AmountFieldFocusOut(TextField& field) {
    // AmountFieldTextChanged keeps the text numeric; should a field be bound without it, a text
    // that is no number shows as zero, as that rule would have made it.
    field.SetText(RoundedAmountText(field.Text()).value_or("0.00"));
}

void AmountFieldBeforeCalculation(TextField& field) {
    if (field.Enabled()) AmountFieldFocusOut(field);
}

void EnableSubsidySumFor(int periodListIndex, Switchable& subsidySum, Switchable& caption) {
    const auto period = PeriodAt(periodListIndex);
    const bool takesSum = period && TakesSubsidySum(*period);
    subsidySum.SetEnabled(takesSum);
    caption.SetEnabled(takesSum);
}

}  // namespace isr
