// SPDX-License-Identifier: MIT
#include "annual/history_row.h"

#include <array>

#include "annual/payment_subsidy.h"
#include "batch/quoted_argument.h"
#include "money/amount_text.h"
#include "money/written_name.h"
#include "presentation/days_text.h"

namespace isr {

namespace {

struct ColumnName {
    std::string_view name;
    bool required;
};

// In the order of HistoryColumns' members.
constexpr std::array<ColumnName, 10> kColumns = {{
    {"empleado", true},
    {"fecha_pago", true},
    {"ingreso_gravable", true},
    {"isr_retenido", true},
    {"fecha_inicial_pago", false},
    {"fecha_final_pago", false},
    {"subsidio_causado", false},
    {"periodo", false},
    {"dias", false},
    {"ingreso_exento", false},
}};

std::string_view FieldOf(const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
                         std::size_t column) {
    return column < record.fieldCount ? TrimBlanks(batch.Field(record, column)) : "";
}

std::string Problem(std::string_view column, std::string_view what, std::string_view text) {
    return std::string(column) + ' ' + std::string(what) + ": " + QuotedArgument(text);
}

// An amount of 0.00 or more.
std::variant<Cents, std::string> AmountOf(std::string_view column, std::string_view text) {
    const auto read = ReadAmount(text);
    if (read.kind != TypedAmount::Kind::kAmount || read.cents < Cents()) {
        return Problem(column, "no es un importe de 0.00 en adelante", text);
    }
    return read.cents;
}

}  // namespace

std::optional<HistoryColumns> HistoryColumnsFromHeader(const CsvRecordBatch& batch,
                                                       const CsvRecordBatch::Record& header,
                                                       std::string& problem) {
    if (batch.Fault(header) != nullptr) {
        problem = "la fila de encabezados está mal formada";
        return std::nullopt;
    }
    std::array<std::optional<std::size_t>, kColumns.size()> found;
    for (std::size_t field = 0; field < header.fieldCount; ++field) {
        const auto heading = batch.Field(header, field);
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            if (!SameWrittenName(heading, kColumns[c].name)) continue;
            if (found[c]) {
                problem = "la columna " + std::string(kColumns[c].name) + " aparece dos veces";
                return std::nullopt;
            }
            found[c] = field;
        }
    }
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        if (kColumns[c].required && !found[c]) {
            problem = "falta la columna " + std::string(kColumns[c].name);
            return std::nullopt;
        }
    }
    HistoryColumns columns{*found[0], *found[1], *found[2], *found[3], found[4],
                           found[5],  found[6],  found[7],  found[8],  found[9]};
    if (columns.periodStart.has_value() != columns.periodEnd.has_value()) {
        problem = "fecha_inicial_pago y fecha_final_pago van juntas";
        return std::nullopt;
    }
    if (!columns.subsidy && !columns.period && !columns.days) {
        problem = "falta de dónde tomar el subsidio: subsidio_causado, periodo o dias";
        return std::nullopt;
    }
    return columns;
}

std::variant<HistoryPayment, std::string> ReadHistoryRow(const TableSet& tables,
                                                         const HistoryColumns& columns,
                                                         const CsvRecordBatch& batch,
                                                         const CsvRecordBatch::Record& record) {
    const auto field = [&](std::size_t column) { return FieldOf(batch, record, column); };
    if (const CsvFault* fault = batch.Fault(record)) return std::string(fault->what);
    HistoryPayment row{field(columns.employee), {}};
    if (row.employee.empty()) return std::string("falta empleado");
    const auto date =
        [&](std::size_t column,
            std::string_view name) -> std::variant<std::optional<IsoDate>, std::string> {
        const auto text = field(column);
        if (text.empty()) return std::optional<IsoDate>();
        if (const auto read = ReadIsoDate(text)) return read;
        return Problem(name, "no es una fecha aaaa-mm-dd", text);
    };
    auto& payment = row.payment;
    const auto paid = date(columns.paymentDate, "fecha_pago");
    if (const auto* problem = std::get_if<std::string>(&paid)) return *problem;
    if (!std::get<0>(paid)) return std::string("falta fecha_pago");
    payment.paid = *std::get<0>(paid);
    if (columns.periodStart) {
        const auto start = date(*columns.periodStart, "fecha_inicial_pago");
        if (const auto* problem = std::get_if<std::string>(&start)) return *problem;
        const auto end = date(*columns.periodEnd, "fecha_final_pago");
        if (const auto* problem = std::get_if<std::string>(&end)) return *problem;
        payment.periodStart = std::get<0>(start);
        payment.periodEnd = std::get<0>(end);
        if (payment.periodStart && payment.periodEnd && *payment.periodEnd < *payment.periodStart) {
            return "fecha_final_pago antes de fecha_inicial_pago: " +
                   QuotedArgument(field(*columns.periodEnd));
        }
    }
    struct AmountColumn {
        std::string_view name;
        std::optional<std::size_t> column;
        Cents* into;
        bool mayBeEmpty;  // a payment without exempt pay
    };
    const AmountColumn amounts[] = {
        {"ingreso_gravable", columns.taxable, &payment.taxable, false},
        {"isr_retenido", columns.withheld, &payment.withheld, false},
        {"ingreso_exento", columns.exempt, &payment.exempt, true},
    };
    for (const auto& amount : amounts) {
        if (!amount.column) continue;
        const auto text = field(*amount.column);
        if (text.empty() && amount.mayBeEmpty) continue;
        const auto read = AmountOf(amount.name, text);
        if (const auto* problem = std::get_if<std::string>(&read)) return *problem;
        *amount.into = std::get<Cents>(read);
    }
    if (columns.subsidy && !field(*columns.subsidy).empty()) {
        const auto read = AmountOf("subsidio_causado", field(*columns.subsidy));
        if (const auto* problem = std::get_if<std::string>(&read)) return *problem;
        payment.subsidy = std::get<Cents>(read);
    } else if (columns.period && !field(*columns.period).empty()) {
        const auto text = field(*columns.period);
        const auto period = FindPeriod(text);
        if (!period) return Problem("periodo", "no es un periodo", text);
        payment.subsidy = PeriodSubsidy(tables, *period, payment.taxable);
    } else if (columns.days && !field(*columns.days).empty()) {
        const auto text = field(*columns.days);
        const auto days = ReadDaysPaid(text);
        const auto subsidy = days ? DaysSubsidy(tables, *days, payment.taxable) : std::nullopt;
        if (!subsidy) return Problem("dias", "no son días de más de 0 hasta 366", text);
        payment.subsidy = *subsidy;
    } else {
        return std::string("falta subsidio_causado, periodo o dias");
    }
    return row;
}

std::optional<HistoryRowYear> YearOfUnreadRow(const HistoryColumns& columns,
                                              const CsvRecordBatch& batch,
                                              const CsvRecordBatch::Record& record) {
    const auto employee = FieldOf(batch, record, columns.employee);
    const auto paid = ReadIsoDate(FieldOf(batch, record, columns.paymentDate));
    if (batch.Fault(record) != nullptr || employee.empty() || !paid) return std::nullopt;
    return HistoryRowYear{employee, paid->year};
}

}  // namespace isr
