// SPDX-License-Identifier: MIT
// The payroll card's run of a payment history: the employer's annual calculation of every
// employee's year, the same file isr2016-cli --ejercicio writes. The command line groups the
// payments on disk; the page has none, so it groups them in memory, up to kHistoryBytes, and
// refuses a history beyond that with a message that says so.
#pragma once

#include <cstddef>

#include "annual/history_row.h"
#include "batch/csv_reader.h"
#include "tariffs/table_set.h"

namespace isr::web {

// Half the page's largest heap, 64 MB: the file's slice, the run's buffers and the results fit
// beside it (the sort works in place). About 300,000 payments of short employee keys.
inline constexpr std::size_t kHistoryBytes = std::size_t{32} << 20;

// The rest of the history whose header gave `columns`, with `tables`; results, summary and
// outcome go to payroll.js.
void RunHistory(const TableSet& tables, CsvReader& reader, const HistoryColumns& columns);

}  // namespace isr::web
