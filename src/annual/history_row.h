// SPDX-License-Identifier: MIT
// A payment history in CSV, one payment a row, in any order: its columns found by name in the
// header (in any order, other columns ignored), and each row read to a payment of an employee.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "annual/employee_year.h"
#include "batch/csv_reader.h"
#include "tariffs/table_set.h"

namespace isr {

struct HistoryColumns {
    std::size_t employee;     // empleado
    std::size_t paymentDate;  // fecha_pago
    std::size_t taxable;      // ingreso_gravable
    std::size_t withheld;     // isr_retenido
    // fecha_inicial_pago and fecha_final_pago, both or neither.
    std::optional<std::size_t> periodStart;
    std::optional<std::size_t> periodEnd;
    // Where a row's subsidy comes from: subsidio_causado when given, else its periodo's table,
    // else its dias through the month. At least one of the three.
    std::optional<std::size_t> subsidy;
    std::optional<std::size_t> period;
    std::optional<std::size_t> days;
    std::optional<std::size_t> exempt;  // ingreso_exento, zero when absent or empty
};

// The columns a header names (as SameWrittenName matches them); nothing, with `problem` set, when
// one required is missing or one is named twice.
std::optional<HistoryColumns> HistoryColumnsFromHeader(const CsvRecordBatch& batch,
                                                       const CsvRecordBatch::Record& header,
                                                       std::string& problem);

struct HistoryPayment {
    std::string_view employee;  // into the batch, as written but for blanks around it
    YearPayment payment;
};

// One row's payment, or what is wrong with it ("fecha_pago no es una fecha aaaa-mm-dd:
// "2016-13-01"").
std::variant<HistoryPayment, std::string> ReadHistoryRow(const TableSet& tables,
                                                         const HistoryColumns& columns,
                                                         const CsvRecordBatch& batch,
                                                         const CsvRecordBatch::Record& record);

struct HistoryRowYear {
    std::string_view employee;
    int year;
};

// Whose year a row that could not be read belongs to, when it is well formed and says it (an
// employee and a fecha_pago): that year then has no figures.
std::optional<HistoryRowYear> YearOfUnreadRow(const HistoryColumns& columns,
                                              const CsvRecordBatch& batch,
                                              const CsvRecordBatch::Record& record);

}  // namespace isr
