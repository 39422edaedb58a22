// SPDX-License-Identifier: MIT
// A batch of extraordinary payments: a header with concepto, ingreso_mensual and importe (and,
// if wanted, domingos and salario_minimo) makes every row a --pago, with every figure as a
// column.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_layout.h"
#include "batch/batch_row.h"
#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "tariffs/table_set.h"

namespace isr {

inline constexpr std::string_view kConceptColumn = "concepto";
inline constexpr std::string_view kMonthlyIncomeColumn = "ingreso_mensual";
inline constexpr std::string_view kPaymentColumn = "importe";
inline constexpr std::string_view kSundaysColumn = "domingos";            // optional
inline constexpr std::string_view kMinimumWageColumn = "salario_minimo";  // optional

// Whether the header names any column of a payment batch.
bool HasPaymentColumn(const CsvRecordBatch& batch, const CsvRecordBatch::Record& header);

// The layout of a payment batch; nothing, with `problem` set, when a required column is missing,
// one is named twice, or the header also names ingreso_gravable or neto.
std::optional<BatchLayout> PaymentLayoutFromHeader(const CsvRecordBatch& batch,
                                                   const CsvRecordBatch::Record& header,
                                                   std::string& problem);

// The output's columns after the input's: every figure of the payment (then, as in every layout,
// "error").
void AppendOutputColumns(const PaymentColumns& columns, std::vector<std::string_view>& names);

// A row of a payment batch, as WriteBatchRow says; its totals are each method's withholding.
bool WriteRow(const TableSet& tables, const BatchLayout& layout, const PaymentColumns& columns,
              const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
              RowScratch& scratch, CsvRecordWriter& writer);

}  // namespace isr
