// SPDX-License-Identifier: MIT
// isr2016-cli --ejercicio: the employer's annual calculation of every employee's year, from a
// payment history in CSV or (with --recibos) from payroll receipts, one row per employee and year.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string_view>

#include "annual/annual_report.h"
#include "annual/year_rows.h"
#include "cli/command_line.h"
#include "cli/payment_spool.h"
#include "tariffs/table_set.h"

namespace isr::cli {

// What --resumen tells of the years written.
struct AnnualTally : AnnualCounts {
    std::uint64_t badRows = 0;  // input rows (or receipts) that could not be used

    void Write(std::ostream& err) const;
};

// The header and then every employee's years from `spool`, to `out`. kExitOk, kExitBadRows when
// some year has no figures, kExitUsage (said on `err`) when the spool or `out` failed.
int WriteYears(PaymentSpool& spool, const TableSet& tables, AnnualReportOptions report,
               std::string_view lineEnd, char separator, std::ostream& out, std::ostream& err,
               AnnualTally& tally);

// [ENTRADA [SALIDA]] as --csv takes them.
int RunAnnual(std::span<const std::string_view> operands, const TableSet& tables, bool summary,
              AnnualReportOptions report, const Console& console);

}  // namespace isr::cli
