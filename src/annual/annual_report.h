// SPDX-License-Identifier: MIT
// The annual calculation's rows in CSV: one per employee and year, and with the months one more
// per month with payments after it, which leaves the year's columns empty and fills its own.
#pragma once

#include <string_view>

#include "annual/employee_year.h"
#include "batch/csv_writer.h"

namespace isr {

struct AnnualReportOptions {
    bool months = false;  // --meses
};

void WriteAnnualHeader(CsvRecordWriter& out, AnnualReportOptions options);

// The year's row, and its months' rows when asked for.
void WriteAnnualRows(CsvRecordWriter& out, AnnualReportOptions options, std::string_view employee,
                     const AnnualCalculation& year);

// The row of a year that has no figures: resultado "error" and `why` as motivo.
void WriteAnnualError(CsvRecordWriter& out, AnnualReportOptions options, std::string_view employee,
                      int year, std::uint64_t payments, std::string_view why);

std::string_view ResultText(AnnualResult result);
// Why the employer does not calculate, and whether the periods were the payment dates; "" when
// neither.
std::string ReasonText(const AnnualCalculation& year);
std::string_view ProblemText(AnnualProblem problem);

}  // namespace isr
