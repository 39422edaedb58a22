// SPDX-License-Identifier: MIT
// A batch of days paid: a header with dias and ingreso_gravable (and, if wanted, metodo) makes
// every row a pay of that many days, with the columns named as the keys of --json --dias.
#pragma once

#include <string_view>
#include <vector>

#include "batch/batch_layout.h"
#include "batch/batch_row.h"
#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "tariffs/table_set.h"

namespace isr {

// The output's columns after the input's: ingreso_mensual, the boxes but the result, isr_periodo,
// subsidio_periodo and procedimiento_2016 (then, as in every layout, "error").
void AppendOutputColumns(const DaysColumns& columns, std::vector<std::string_view>& names);

// A row of a batch of days paid, as WriteBatchRow says; its totals are the period's tax, subsidy
// and result.
bool WriteRow(const TableSet& tables, const BatchLayout& layout, const DaysColumns& columns,
              const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
              RowScratch& scratch, CsvRecordWriter& writer);

}  // namespace isr
