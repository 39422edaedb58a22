// SPDX-License-Identifier: MIT
// The columns of a batch input, found by name in its header row.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "batch/csv_reader.h"

namespace isr {

// Input columns, found by HeadingNames; every other column passes through.
inline constexpr std::string_view kPeriodColumn = "periodo";
inline constexpr std::string_view kIncomeColumn = "ingreso_gravable";
// In place of ingreso_gravable: a payroll of gross-ups, each row from the net it must pay.
inline constexpr std::string_view kTargetNetColumn = "neto";
inline constexpr std::string_view kSubsidySumColumn = "suma_subsidio";  // optional

// Whether a header's field names the input column `column` (one of the names here and in
// payment_batch.h): by that name or by the caption the window and the page give the field, as
// people write them ("Ingreso Gravable", "período ", "Suma Subsidio para el Empleo"; see
// SameWrittenName).
bool HeadingNames(std::string_view heading, std::string_view column);

// A payroll of days paid: in place of periodo, the days of each row, and optionally the method
// (tabla when empty or absent).
inline constexpr std::string_view kDaysColumn = "dias";
inline constexpr std::string_view kMethodColumn = "metodo";

// Each kind of row a payroll holds is one type: the places of its input columns in the header,
// counted from 0. Its row writer and its output columns are overloads on that type (batch_row.h,
// payment_batch.h, days_batch.h), so that a kind without one does not build.

// A payroll of incomes: each row's withholding from its period and taxable income.
struct IncomeColumns {
    std::size_t period;
    std::size_t income;
    std::optional<std::size_t> subsidySum;

    bool operator==(const IncomeColumns&) const = default;
};

// A payroll of gross-ups: each row's income found from the net it must pay (the neto column).
struct NetColumns {
    std::size_t period;
    std::size_t targetNet;
    std::optional<std::size_t> subsidySum;

    bool operator==(const NetColumns&) const = default;
};

// A payroll of extraordinary payments: concepto, ingreso_mensual and importe, and optionally
// domingos and salario_minimo.
struct PaymentColumns {
    std::size_t concept_;
    std::size_t monthlyIncome;
    std::size_t payment;
    std::optional<std::size_t> sundays;
    std::optional<std::size_t> minimumWage;

    bool operator==(const PaymentColumns&) const = default;
};

// A payroll of days paid: the days, the base paid for them (ingreso_gravable) and the method.
struct DaysColumns {
    std::size_t days;
    std::size_t income;
    std::optional<std::size_t> method;

    bool operator==(const DaysColumns&) const = default;
};

using RowKind = std::variant<IncomeColumns, NetColumns, PaymentColumns, DaysColumns>;

struct BatchLayout {
    std::vector<std::string> columnNames;  // the header's fields as written
    RowKind columns;
    char separator = ',';  // the input's, which the output keeps (CsvReader::Separator)
};

// The layout named by a header record; nothing, with `problem` set, when the input cannot be used
// (a faulty header, a required column missing, a known column named twice, both ingreso_gravable
// and neto, or dias with periodo, neto or suma_subsidio).
std::optional<BatchLayout> LayoutFromHeader(const CsvRecordBatch& batch,
                                            const CsvRecordBatch::Record& header,
                                            std::string& problem);

}  // namespace isr
