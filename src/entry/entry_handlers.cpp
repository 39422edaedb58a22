// SPDX-License-Identifier: MIT
#include "entry/entry_handlers.h"

#include "entry/module1.h"
#include "entry/numeric_text.h"
#include "money/amount_text.h"
#include "tariffs/periods.h"

namespace isr {

void EntryField_GotFocus(TextField& field) {
    SelectAllText(field);
}

void EntryField_KeyPress(TextField& field, std::int16_t& keyAscii) {
    FilterNumericKey(field, keyAscii, kNumericKeys);
}

void EntryField_Change(TextField& field) {
    if (IsNumeric(field.Text())) return;
    field.SetText("0");  // runs this handler again, which accepts "0"
    SelectAllText(field);
}

void EntryField_LostFocus(TextField& field) {
    // EntryField_Change keeps the text numeric; should a field be bound without it, a text that
    // is no number shows as zero, as that handler would have made it.
    field.SetText(RoundedAmountText(field.Text()).value_or("0.00"));
}

void cmbTarifa_Click(int listIndex, Switchable& txtPagos, Switchable& lbl13) {
    const bool annual = PeriodAt(listIndex) == Period::kAnual;
    txtPagos.SetEnabled(annual);
    lbl13.SetEnabled(annual);
}

}  // namespace isr
