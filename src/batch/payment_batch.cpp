// SPDX-License-Identifier: MIT
#include "batch/payment_batch.h"

#include <algorithm>
#include <array>
#include <utility>
#include <variant>

#include "batch/payment_input.h"
#include "batch/quoted_argument.h"
#include "money/text_helpers.h"
#include "presentation/payment_figures.h"

namespace isr {

namespace {

// In the order of PaymentField; the first three are required.
constexpr std::array<std::string_view, 5> kPaymentColumns = {
    kConceptColumn, kMonthlyIncomeColumn, kPaymentColumn, kSundaysColumn, kMinimumWageColumn};
constexpr std::size_t kRequiredPaymentColumns = 3;

// Where a field of the payment's texts was read from. Only a field read can be at fault, so an
// optional column at fault is there.
std::size_t ColumnOf(const PaymentColumns& columns, PaymentField field) {
    switch (field) {
        case PaymentField::kConcept:
            return columns.concept_;
        case PaymentField::kOrdinaryIncome:
            return columns.monthlyIncome;
        case PaymentField::kPayment:
            return columns.payment;
        case PaymentField::kSundays:
            return columns.sundays.value_or(0);
        case PaymentField::kMinimumWage:
            return columns.minimumWage.value_or(0);
    }
    return 0;
}

}  // namespace

bool HasPaymentColumn(const CsvRecordBatch& batch, const CsvRecordBatch::Record& header) {
    for (std::size_t i = 0; i < header.fieldCount; ++i) {
        for (const auto name : kPaymentColumns) {
            if (HeadingNames(batch.Field(header, i), name)) return true;
        }
    }
    return false;
}

std::optional<BatchLayout> PaymentLayoutFromHeader(const CsvRecordBatch& batch,
                                                   const CsvRecordBatch::Record& header,
                                                   std::string& problem) {
    BatchLayout layout{{}, PaymentColumns{}, ','};
    // In the order of kPaymentColumns.
    std::array<std::optional<std::size_t>, kPaymentColumns.size()> found;
    std::optional<std::size_t> other;  // ingreso_gravable or neto
    for (std::size_t i = 0; i < header.fieldCount; ++i) {
        const auto name = batch.Field(header, i);
        layout.columnNames.emplace_back(name);
        if (HeadingNames(name, kIncomeColumn) || HeadingNames(name, kTargetNetColumn)) other = i;
        for (std::size_t c = 0; c < kPaymentColumns.size(); ++c) {
            if (!HeadingNames(name, kPaymentColumns[c])) continue;
            if (found[c]) {
                problem = "la columna \"" + std::string(kPaymentColumns[c]) +
                          "\" aparece dos veces en el encabezado";
                return std::nullopt;
            }
            found[c] = i;
        }
    }
    if (other) {
        const auto first =
            std::find_if(found.begin(), found.end(), [](auto c) { return c.has_value(); });
        problem = "la entrada tiene las columnas \"" +
                  std::string(kPaymentColumns[static_cast<std::size_t>(first - found.begin())]) +
                  "\" y \"" + layout.columnNames[*other] +
                  "\": una nómina lleva pagos extraordinarios o ingresos del periodo, no ambos";
        return std::nullopt;
    }
    for (std::size_t c = 0; c < kRequiredPaymentColumns; ++c) {
        if (!found[c]) {
            problem =
                "falta la columna \"" + std::string(kPaymentColumns[c]) + "\" en el encabezado";
            return std::nullopt;
        }
    }
    layout.columns = PaymentColumns{*found[0], *found[1], *found[2], found[3], found[4]};
    return layout;
}

void AppendOutputColumns(const PaymentColumns&, std::vector<std::string_view>& names) {
    for (const auto& label : kPaymentFigureLabels) names.push_back(label.csvColumn);
}

bool WriteRow(const TableSet& tables, const BatchLayout& layout, const PaymentColumns& columns,
              const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
              RowScratch& scratch, CsvRecordWriter& writer) {
    scratch.message.clear();
    std::optional<ExtraordinaryPayment> payment;
    if (CheckRecordShape(layout, batch, record, scratch.message)) {
        const auto text = [&](std::optional<std::size_t> column) {
            return column ? batch.Field(record, *column) : std::string_view{};
        };
        PaymentInput input{};
        auto result = CalculatePaymentTexts(tables, input, text(columns.concept_),
                                            text(columns.monthlyIncome), text(columns.payment),
                                            text(columns.sundays), text(columns.minimumWage));
        if (auto* calculated = std::get_if<ExtraordinaryPayment>(&result)) {
            payment = *calculated;
            scratch.totals = {payment->spread.withholding, payment->monthly.withholding, Cents{},
                              Cents{}, Cents{}};
        } else {
            for (const PaymentError& error : std::get<PaymentErrors>(result).All()) {
                // A field at fault is in its column: an absent optional column is never at fault.
                const std::size_t column = ColumnOf(columns, error.field);
                if (!scratch.message.empty()) scratch.message += kProblemSeparator;
                StartRowMessage(scratch.message, layout, batch.FieldLine(record, column),
                                column + 1);
                AppendPaymentProblem(scratch.message, tables, error);
                scratch.message += ": ";
                scratch.message += QuotedArgument(batch.Field(record, column));
            }
        }
    }
    WriteInputFields(layout, batch, record, writer);
    for (const auto& label : kPaymentFigureLabels) {
        writer.Field(payment ? PaymentFigureText(*payment, label.figure) : std::string());
    }
    writer.Field(scratch.message);
    writer.EndRecord();
    return payment.has_value();
}

}  // namespace isr
