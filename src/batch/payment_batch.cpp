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

// In the order of PaymentInputField.
constexpr std::array<std::string_view, 5> kPaymentColumns = {
    kConceptColumn, kMonthlyIncomeColumn, kPaymentColumn, kSundaysColumn, kMinimumWageColumn};

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
    BatchLayout layout{{}, 0, 0, false, std::nullopt, PaymentColumns{}, ','};
    auto& columns = layout.payments->columns;
    std::optional<std::size_t> other;  // ingreso_gravable or neto
    for (std::size_t i = 0; i < header.fieldCount; ++i) {
        const auto name = batch.Field(header, i);
        layout.columnNames.emplace_back(name);
        if (HeadingNames(name, kIncomeColumn) || HeadingNames(name, kTargetNetColumn)) other = i;
        for (std::size_t c = 0; c < kPaymentColumns.size(); ++c) {
            if (!HeadingNames(name, kPaymentColumns[c])) continue;
            if (columns[c]) {
                problem = "la columna \"" + std::string(kPaymentColumns[c]) +
                          "\" aparece dos veces en el encabezado";
                return std::nullopt;
            }
            columns[c] = i;
        }
    }
    if (other) {
        const auto first =
            std::find_if(columns.begin(), columns.end(), [](auto c) { return c.has_value(); });
        problem = "la entrada tiene las columnas \"" +
                  std::string(kPaymentColumns[static_cast<std::size_t>(first - columns.begin())]) +
                  "\" y \"" + layout.columnNames[*other] +
                  "\": una nómina lleva pagos extraordinarios o ingresos del periodo, no ambos";
        return std::nullopt;
    }
    for (std::size_t c = 0; c < 3; ++c) {
        if (!columns[c]) {
            problem =
                "falta la columna \"" + std::string(kPaymentColumns[c]) + "\" en el encabezado";
            return std::nullopt;
        }
    }
    return layout;
}

bool WritePaymentBatchRow(const TableSet& tables, const BatchLayout& layout,
                          const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
                          RowScratch& scratch, CsvRecordWriter& writer) {
    scratch.message.clear();
    std::optional<ExtraordinaryPayment> payment;
    if (CheckRecordShape(layout, batch, record, scratch.message)) {
        const auto& columns = layout.payments->columns;
        const auto text = [&](std::size_t c) {
            return columns[c] ? batch.Field(record, *columns[c]) : std::string_view{};
        };
        PaymentInput input{};
        auto result =
            CalculatePaymentTexts(tables, input, text(0), text(1), text(2), text(3), text(4));
        if (auto* calculated = std::get_if<ExtraordinaryPayment>(&result)) {
            payment = *calculated;
            scratch.totals = {payment->spread.withholding, payment->monthly.withholding, Cents{},
                              Cents{}, Cents{}};
        } else {
            for (const PaymentInputError& error : std::get<PaymentInputErrors>(result).All()) {
                // A field at fault is in its column: an absent optional column is never at fault.
                const std::size_t column =
                    columns[static_cast<std::size_t>(error.field)].value_or(0);
                if (!scratch.message.empty()) scratch.message += kProblemSeparator;
                StartRowMessage(scratch.message, layout, batch.FieldLine(record, column),
                                column + 1);
                AppendPaymentProblem(scratch.message, tables, error);
                scratch.message += ": ";
                scratch.message += QuotedArgument(batch.Field(record, column));
            }
        }
    }
    for (std::size_t i = 0; i < layout.columnNames.size(); ++i) {
        writer.Field(i < record.fieldCount ? batch.Field(record, i) : std::string_view{});
    }
    for (const auto& label : kPaymentFigureLabels) {
        writer.Field(payment ? PaymentFigureText(*payment, label.figure) : std::string());
    }
    writer.Field(scratch.message);
    writer.EndRecord();
    return payment.has_value();
}

}  // namespace isr
