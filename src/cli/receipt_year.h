// SPDX-License-Identifier: MIT
// isr2016-cli --recibos --ejercicio: the employer's annual calculation from payroll receipts, each
// employee by the receiver's RFC, the same rows as from a payment history.
#pragma once

#include <optional>

#include "annual/employee_year.h"
#include "cli/command_line.h"
#include "cli/receipt_run.h"
#include "receipts/receipt_audit.h"
#include "receipts/receipt_figures.h"
#include "tariffs/table_set.h"

namespace isr::cli {

// An ordinary receipt's payment: its taxed and exempt perceptions but the subsidy delivered (017),
// the ISR withheld, and the subsidy it caused: its SubsidioCausado, else that of the method the
// audit matched, else of the first method with a table (periodo, dias, mensual), else none.
// Nothing for an extraordinary receipt, or one without figures or a payment date.
std::optional<YearPayment> YearPaymentOfReceipt(const ReceiptFigures& figures,
                                                const ReceiptAudit& audit);

// Exit 0 when every year has figures, 1 when some receipt could not be read or a year has none, 2
// when a path can't be read or the rows can't be written.
int RunReceiptYears(const ReceiptOptions& options, const Console& console);

}  // namespace isr::cli
