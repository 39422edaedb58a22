// SPDX-License-Identifier: MIT
#include "presentation/tariff_listing.h"

#include <span>
#include <string_view>

#include "money/amount_text.h"
#include "tariffs/periods.h"

namespace isr {

namespace {

void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += '\n';
}

void AppendRightAligned(std::string& line, std::string_view text, int width) {
    for (auto n = static_cast<int>(text.size()); n < width; ++n) line += ' ';
    line += text;
}

template <class Figure>
void AppendFigure(std::string& line, Figure figure, int width) {
    AppendRightAligned(line, AmountText(figure), width);
}

// Blanks up to the next tab stop, at least one: where a tab would take the caret.
void AppendBlanksToTabStop(std::string& line) {
    do {
        line += ' ';
    } while (line.size() % kListingTabWidth != 0);
}

void AppendTitle(std::string& out, std::string_view title, std::string_view headings) {
    const std::string rule(kListingRuleWidth, '=');
    AppendLine(out, title);
    AppendLine(out, rule);
    AppendLine(out, headings);
    AppendLine(out, rule);
}

// "Tarifa ISR Mensual 2016".
std::string TableTitle(std::string_view table, const TableSet& tables, Period period) {
    std::string title(table);
    title += ' ';
    title += PeriodName(period);
    title += ' ';
    title += tables.Years();
    return title;
}

void AppendIsrTable(std::string& out, const TableSet& tables, Period period) {
    AppendTitle(out, TableTitle("Tarifa ISR", tables, period),
                "Lim.Inferior\tLim.Superior\tCuota Fija\tPorcentaje");
    for (const IsrRow& row : tables.IsrTariff(period)) {
        std::string line;
        AppendFigure(line, row.lowerLimit, kListingLimitWidth);
        line += '\t';
        AppendFigure(line, row.upperLimit, kListingLimitWidth);
        line += '\t';
        AppendFigure(line, row.fixedFee, kListingFigureWidth);
        line += '\t';
        AppendFigure(line, row.rate, kListingFigureWidth);
        AppendLine(out, line);
    }
}

void AppendSubsidyTable(std::string& out, const TableSet& tables, Period period) {
    std::string headings;
    AppendRightAligned(headings, "Lim.Inferior", kListingLimitWidth);
    AppendBlanksToTabStop(headings);
    AppendRightAligned(headings, "Lim.Superior", kListingLimitWidth);
    AppendBlanksToTabStop(headings);
    AppendRightAligned(headings, "Subsidio", kListingFigureWidth);
    AppendTitle(out, TableTitle("Tarifa Subsidio para el Empleo", tables, period), headings);
    for (const SubsidyRow& row : tables.SubsidyTable(period)) {
        std::string line;
        AppendFigure(line, row.lowerLimit, kListingLimitWidth);
        AppendBlanksToTabStop(line);
        AppendFigure(line, row.upperLimit, kListingLimitWidth);
        AppendBlanksToTabStop(line);
        AppendFigure(line, row.subsidy, kListingFigureWidth);
        AppendLine(out, line);
    }
}

}  // namespace

std::string TariffListing(const TableSet& tables) {
    std::string out;
    AppendLine(out, tables.Title());
    AppendLine(out,
               "Anexo 8 tarifas y tablas " + std::string(tables.Years()) + " pagos provisionales");
    AppendLine(out, "");
    AppendLine(out, "");
    for (const PeriodFacts& period : kPeriodFacts) {
        if (!period.listed) continue;
        AppendIsrTable(out, tables, period.period);
        if (!period.hasSubsidyTable) continue;
        AppendLine(out, "");
        AppendSubsidyTable(out, tables, period.period);
    }
    return out;
}

}  // namespace isr
