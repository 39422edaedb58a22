// SPDX-License-Identifier: MIT
#include "annual/annual_report.h"

#include <array>
#include <string>

#include "money/amount_text.h"

namespace isr {

namespace {

constexpr std::array<std::string_view, 14> kYearColumns = {
    "empleado",         "ejercicio",     "pagos",      "primer_periodo",   "ultimo_periodo",
    "ingreso_gravable", "ingreso_total", "isr_tarifa", "subsidio_causado", "isr_ejercicio",
    "isr_retenido",     "diferencia",    "resultado",  "motivo",
};
// After the year's, with the months: the month, its payments' subsidies, the monthly table's cap
// for the month's taxable pay and what the payments gave beyond it.
constexpr std::array<std::string_view, 4> kMonthColumns = {"mes", "subsidio_pagos", "subsidio_tope",
                                                           "subsidio_excedente"};

void Count(CsvRecordWriter& out, std::uint64_t value) {
    out.Field(std::to_string(value));
}

void Empty(CsvRecordWriter& out, std::size_t fields) {
    for (std::size_t i = 0; i < fields; ++i) out.Field("");
}

}  // namespace

std::string_view ResultText(AnnualResult result) {
    switch (result) {
        case AnnualResult::kACargo:
            return "a cargo";
        case AnnualResult::kAFavor:
            return "a favor";
        case AnnualResult::kSinDiferencia:
            return "sin diferencia";
        case AnnualResult::kNoCorresponde:
            return "no corresponde";
    }
    return "";
}

std::string ReasonText(const AnnualCalculation& year) {
    std::string text;
    const auto add = [&](std::string_view reason) {
        if (!text.empty()) text += "; ";
        text += reason;
    };
    if (year.exclusions.incomeAbove) add("ingreso del año de más de 400,000.00");
    if (year.exclusions.startsLate) add("el primer periodo empieza después del 1 de enero");
    if (year.exclusions.endsEarly) add("el último periodo termina antes del 1 de diciembre");
    if (year.periodsFromPaymentDates) add("periodos tomados de fecha_pago");
    return text;
}

std::string_view ProblemText(AnnualProblem problem) {
    switch (problem) {
        case AnnualProblem::kOutsideTariffYears:
            return "pagado fuera de 2014-2017: las tarifas de 2016 rigen de 2014 a 2017";
        case AnnualProblem::kBeyondAmount:
            return "una suma del año pasa del mayor importe";
        case AnnualProblem::kBeyondTariff:
            return "el ingreso gravable del año pasa de la tarifa anual";
    }
    return "";
}

void WriteAnnualHeader(CsvRecordWriter& out, AnnualReportOptions options) {
    for (const auto column : kYearColumns) out.Field(column);
    if (options.months) {
        for (const auto column : kMonthColumns) out.Field(column);
    }
    out.EndRecord();
}

void WriteAnnualRows(CsvRecordWriter& out, AnnualReportOptions options, std::string_view employee,
                     const AnnualCalculation& year) {
    const std::string yearText = std::to_string(year.year);
    out.Field(employee);
    out.Field(yearText);
    Count(out, year.payments);
    out.Field(IsoDateText(year.firstPeriod));
    out.Field(IsoDateText(year.lastPeriod));
    for (const Cents amount : {year.taxable, year.income, year.isrTariff, year.subsidy,
                               year.isrYear, year.withheld, year.difference}) {
        out.AmountField(AmountText(amount));
    }
    out.Field(ResultText(year.result));
    out.Field(ReasonText(year));
    if (!options.months) {
        out.EndRecord();
        return;
    }
    Empty(out, kMonthColumns.size());
    out.EndRecord();
    for (std::size_t m = 0; m < year.months.size(); ++m) {
        const MonthSubsidy& month = year.months[m];
        if (month.payments == 0) continue;
        out.Field(employee);
        out.Field(yearText);
        Count(out, month.payments);
        Empty(out, 2);
        out.AmountField(AmountText(month.taxable));
        Empty(out, 2);
        out.AmountField(AmountText(month.credited));
        Empty(out, 5);
        Count(out, m + 1);
        out.AmountField(AmountText(month.subsidies));
        out.AmountField(AmountText(month.cap));
        out.AmountField(AmountText(month.beyondCap));
        out.EndRecord();
    }
}

void WriteAnnualError(CsvRecordWriter& out, AnnualReportOptions options, std::string_view employee,
                      int year, std::uint64_t payments, std::string_view why) {
    out.Field(employee);
    out.Field(std::to_string(year));
    Count(out, payments);
    Empty(out, 9);
    out.Field("error");
    out.Field(why);
    if (options.months) Empty(out, kMonthColumns.size());
    out.EndRecord();
}

}  // namespace isr
