// SPDX-License-Identifier: MIT
// isr2016-cli --csv: a whole payroll from a file or standard input into a file or standard
// output, the output file replaced only once the run has finished.
#pragma once

#include <span>
#include <string_view>

#include "cli/command_line.h"
#include "tariffs/table_set.h"

namespace isr::cli {

// The batch over the files `operands` name, ENTRADA then SALIDA (at most two), or the standard
// streams for none or "-" ("/dev/stdout" for the output is standard output too); with
// `withSummary`, the rows and the sums on standard error at the end. Returns the exit status.
int RunCsv(std::span<const std::string_view> operands, const TableSet& tables, bool withSummary,
           const Console& console);

}  // namespace isr::cli
