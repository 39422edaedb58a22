// SPDX-License-Identifier: MIT
#include "batch/days_batch.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "batch/calculation_input.h"
#include "batch/quoted_argument.h"
#include "money/amount_text.h"
#include "money/written_name.h"
#include "presentation/box_labels.h"
#include "presentation/box_text.h"
#include "presentation/days_text.h"

namespace isr {

namespace {

constexpr std::string_view kMonthlyBaseColumn = "ingreso_mensual";
constexpr std::string_view kPeriodTaxColumn = "isr_periodo";
constexpr std::string_view kPeriodSubsidyColumn = "subsidio_periodo";

// The row's calculation, or nothing with the message of what is wrong, naming its column.
std::optional<DaysPaidResult> Calculated(const TableSet& tables, const BatchLayout& layout,
                                         const DaysColumns& columns, const CsvRecordBatch& batch,
                                         const CsvRecordBatch::Record& record,
                                         std::string& message) {
    const auto fail = [&](std::size_t column, std::string_view what) {
        StartRowMessage(message, layout, batch.FieldLine(record, column), column + 1);
        message += what;
        message += ": ";
        message += QuotedArgument(batch.Field(record, column));
        return std::nullopt;
    };
    DaysMethod method = DaysMethod::kTabla;
    if (columns.method && !TrimBlanks(batch.Field(record, *columns.method)).empty()) {
        const auto found = FindDaysMethod(TrimBlanks(batch.Field(record, *columns.method)));
        if (!found) return fail(*columns.method, "método desconocido (tabla o mensual)");
        method = *found;
    }
    const auto days = ReadDaysPaid(TrimBlanks(batch.Field(record, columns.days)));
    if (!days) {
        return fail(columns.days, "no es un número de días (sin signo, hasta tres decimales)");
    }
    const auto amountProblem = [&](InputProblem problem) {
        std::string what;
        AppendProblem(what, {InputField::kAmount, problem});
        return fail(columns.income, what);
    };
    const auto written = ReadWrittenAmount(batch.Field(record, columns.income));
    if (!written) return amountProblem(InputProblem::kMisplacedComma);
    const TypedAmount base = *written;
    if (base.kind == TypedAmount::Kind::kNotAnAmount) {
        return amountProblem(InputProblem::kNotAnAmount);
    }
    if (base.cents < Cents()) return amountProblem(InputProblem::kNegative);
    if (base.kind == TypedAmount::Kind::kBeyondRange) {
        return fail(columns.income, "importe fuera de rango");
    }
    const auto outcome = CalculateDaysPaid(tables, *days, method, base.cents);
    if (const auto* problem = std::get_if<DaysProblem>(&outcome)) {
        switch (*problem) {
            case DaysProblem::kOutOfRange:
                return fail(columns.days, "fuera de rango: con el método " +
                                              std::string(DaysMethodName(method)) + ", " +
                                              DaysRangeText(method));
            case DaysProblem::kNoTable:
                return fail(columns.days,
                            "sin tabla de esos días en estas tablas (use --tablas anexo8 o el "
                            "método mensual)");
            case DaysProblem::kBeyondAmount:
                return fail(columns.income,
                            "fuera de rango: llevado a un mes pasa del mayor importe");
        }
    }
    return std::get<DaysPaidResult>(outcome);
}

}  // namespace

void AppendOutputColumns(const DaysColumns&, std::vector<std::string_view>& names) {
    names.push_back(kMonthlyBaseColumn);
    for (const auto& box : kBoxLabels) {
        if (box.box != ResultBox::kResult) names.push_back(box.csvColumn);
    }
    names.push_back(kPeriodTaxColumn);
    names.push_back(kPeriodSubsidyColumn);
    names.push_back(kBoxLabels.back().csvColumn);
}

bool WriteRow(const TableSet& tables, const BatchLayout& layout, const DaysColumns& columns,
              const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
              RowScratch& scratch, CsvRecordWriter& writer) {
    scratch.message.clear();
    std::optional<DaysPaidResult> r;
    if (CheckRecordShape(layout, batch, record, scratch.message)) {
        r = Calculated(tables, layout, columns, batch, record, scratch.message);
    }
    WriteInputFields(layout, batch, record, writer);
    const auto amount = [&](std::optional<Cents> value) {
        if (value) {
            writer.AmountField(AmountText(*value));
        } else {
            writer.Field({});
        }
    };
    amount(r ? r->monthlyBase : std::nullopt);
    for (const ResultBox box : kResultBoxes) {
        if (box == ResultBox::kResult) continue;
        if (r) {
            writer.AmountField(BoxText(r->withholding, box));
        } else {
            writer.Field({});
        }
    }
    amount(r ? std::optional(r->periodTax) : std::nullopt);
    amount(r ? std::optional(r->periodSubsidy) : std::nullopt);
    amount(r ? std::optional(r->result) : std::nullopt);
    if (r) scratch.totals = {r->periodTax, r->periodSubsidy, r->result};
    writer.Field(scratch.message);
    writer.EndRecord();
    return r.has_value();
}

}  // namespace isr
