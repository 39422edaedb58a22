// SPDX-License-Identifier: MIT
#include "batch/batch_layout.h"

#include <algorithm>
#include <string>

#include "batch/payment_batch.h"
#include "money/written_name.h"

namespace isr {

namespace {

struct ColumnCaption {
    std::string_view column;
    std::string_view caption;
};

// The captions of the fields the window, the page and --pago show for the input columns.
constexpr ColumnCaption kColumnCaptions[] = {
    {kPeriodColumn, "Tipo de Tarifa"},
    {kSubsidySumColumn, "Suma Subsidio para el Empleo"},
    {kMonthlyIncomeColumn, "Ingreso Mensual Ordinario"},
    {kPaymentColumn, "Importe del Pago"},
    {kSundaysColumn, "Domingos Trabajados"},
    {kMinimumWageColumn, "Salario Mínimo Diario"},
};

}  // namespace

bool HeadingNames(std::string_view heading, std::string_view column) {
    if (SameWrittenName(heading, column)) return true;
    for (const ColumnCaption& known : kColumnCaptions) {
        if (known.column == column && SameWrittenName(heading, known.caption)) return true;
    }
    return false;
}

std::optional<BatchLayout> LayoutFromHeader(const CsvRecordBatch& batch,
                                            const CsvRecordBatch::Record& header,
                                            std::string& problem) {
    if (const CsvFault* fault = batch.Fault(header)) {
        problem = "encabezado mal formado: línea " + std::to_string(fault->line) + ", columna " +
                  std::to_string(fault->field) + ": " + std::string(fault->what);
        return std::nullopt;
    }
    if (HasPaymentColumn(batch, header)) return PaymentLayoutFromHeader(batch, header, problem);
    BatchLayout layout{{}, IncomeColumns{}, ','};
    std::optional<std::size_t> period;
    std::optional<std::size_t> income;
    std::optional<std::size_t> targetNet;
    std::optional<std::size_t> days;
    std::optional<std::size_t> method;
    std::optional<std::size_t> subsidySum;
    for (std::size_t i = 0; i < header.fieldCount; ++i) {
        const auto name = batch.Field(header, i);
        layout.columnNames.emplace_back(name);
        for (auto [wanted, found] :
             {std::pair{kPeriodColumn, &period}, std::pair{kIncomeColumn, &income},
              std::pair{kTargetNetColumn, &targetNet}, std::pair{kSubsidySumColumn, &subsidySum},
              std::pair{kDaysColumn, &days}, std::pair{kMethodColumn, &method}}) {
            if (!HeadingNames(name, wanted)) continue;
            if (*found) {
                problem =
                    "la columna \"" + std::string(wanted) + "\" aparece dos veces en el encabezado";
                return std::nullopt;
            }
            *found = i;
        }
    }
    if (income && targetNet) {
        problem = "la entrada tiene las columnas \"" + std::string(kIncomeColumn) + "\" y \"" +
                  std::string(kTargetNetColumn) +
                  "\": una nómina lleva los ingresos o los netos, no ambos";
        return std::nullopt;
    }
    const auto both = [&](std::string_view a, std::string_view b) {
        problem = "la entrada tiene las columnas \"" + std::string(a) + "\" y \"" + std::string(b) +
                  "\": una nómina de días pagados no lleva " + std::string(b);
        return std::nullopt;
    };
    if (days) {
        if (period) return both(kDaysColumn, kPeriodColumn);
        if (targetNet) return both(kDaysColumn, kTargetNetColumn);
        if (subsidySum) return both(kDaysColumn, kSubsidySumColumn);
        if (!income) {
            problem = "falta la columna \"" + std::string(kIncomeColumn) + "\" en el encabezado";
            return std::nullopt;
        }
        layout.columns = DaysColumns{*days, *income, method};
        return layout;
    }
    if (method) {
        problem = "la columna \"" + std::string(kMethodColumn) +
                  "\" sólo cuenta con la columna \"" + std::string(kDaysColumn) + "\"";
        return std::nullopt;
    }
    // Without either amount column, the ordinary one is missing.
    for (auto [wanted, found] : {std::pair{kPeriodColumn, period},
                                 std::pair{kIncomeColumn, targetNet ? targetNet : income}}) {
        if (!found) {
            problem = "falta la columna \"" + std::string(wanted) + "\" en el encabezado";
            return std::nullopt;
        }
    }
    if (targetNet) {
        layout.columns = NetColumns{*period, *targetNet, subsidySum};
    } else {
        layout.columns = IncomeColumns{*period, *income, subsidySum};
    }
    return layout;
}

}  // namespace isr
