// SPDX-License-Identifier: MIT
// The columns of a batch input, found by name in its header row.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
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

struct DaysColumns {
    std::size_t days;
    std::optional<std::size_t> method;
};

// A payroll of extraordinary payments: the columns of concepto, ingreso_mensual, importe,
// domingos and salario_minimo (the last two optional), in that order.
struct PaymentColumns {
    std::array<std::optional<std::size_t>, 5> columns;
};

struct BatchLayout {
    std::vector<std::string> columnNames;  // the header's fields as written
    std::size_t period;
    std::size_t amount;  // the column of ingreso_gravable, or of neto
    bool grossUps;       // whether it is neto
    std::optional<std::size_t> subsidySum;
    // For a payroll of extraordinary payments, which uses none of the columns above.
    std::optional<PaymentColumns> payments;
    char separator;  // the input's, which the output keeps (CsvReader::Separator)
    // For a payroll of days paid, whose base is in `amount` and which has no period.
    std::optional<DaysColumns> days = std::nullopt;
};

// The layout named by a header record; nothing, with `problem` set, when the input cannot be used
// (a faulty header, a required column missing, a known column named twice, both ingreso_gravable
// and neto, or dias with periodo, neto or suma_subsidio).
std::optional<BatchLayout> LayoutFromHeader(const CsvRecordBatch& batch,
                                            const CsvRecordBatch::Record& header,
                                            std::string& problem);

}  // namespace isr
