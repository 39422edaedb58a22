// SPDX-License-Identifier: MIT
#include "calc/brackets.h"

#include <algorithm>
#include <array>
#include <vector>

#include "calc/amount.h"
#include "tariffs/periods.h"
#include "tariffs/row_fields.h"
#include "tariffs/tariff_tables.h"

namespace isr {

namespace {

// Row fields are plain numbers by construction; an unreadable one would be a data fault, and
// reads as zero rather than taking the program down.
double Field(std::string_view text) {
    return ParseAmount(text).value_or(0.0);
}

template <class Bracket, class Parse>
std::vector<Bracket> ParseTable(TariffTable table, Parse parse) {
    std::vector<Bracket> rows;
    rows.reserve(table.size());
    for (const auto row : table) rows.push_back(parse(row));
    return rows;
}

struct ParsedTables {
    std::array<std::vector<IsrBracket>, kPeriodNames.size()> isr;
    std::array<std::vector<EmploymentSubsidyBracket>, kPeriodNames.size()> subsidy;

    ParsedTables() {
        for (std::size_t p = 0; p < kPeriodNames.size(); ++p) {
            const int period = static_cast<int>(p);
            isr[p] = ParseTable<IsrBracket>(IsrTariffOf(period), ParseIsrRow);
            subsidy[p] =
                ParseTable<EmploymentSubsidyBracket>(SubsidyTableOf(period), ParseSubsidyRow);
        }
    }
};

const ParsedTables& Tables() {
    static const ParsedTables tables;
    return tables;
}

bool ValidPeriod(int period) {
    return period >= 0 && period < static_cast<int>(kPeriodNames.size());
}

template <class Bracket>
std::optional<BracketMatch<Bracket>> FirstEnclosing(std::span<const Bracket> rows, double base) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].lowerLimit <= base && base <= rows[i].upperLimit) {
            return BracketMatch<Bracket>{static_cast<int>(i), rows[i]};
        }
    }
    return std::nullopt;
}

}  // namespace

IsrBracket ParseIsrRow(std::string_view row) {
    const auto f = SplitIsrRow(row);
    return {Field(f[0]), Field(f[1]), Field(f[2]), Field(f[3])};
}

EmploymentSubsidyBracket ParseSubsidyRow(std::string_view row) {
    const auto f = SplitSubsidyRow(row);
    return {Field(f[0]), Field(f[1]), Field(f[2])};
}

std::span<const IsrBracket> IsrBracketsOf(int period) {
    if (!ValidPeriod(period)) return {};
    return Tables().isr[static_cast<std::size_t>(period)];
}

std::span<const EmploymentSubsidyBracket> SubsidyBracketsOf(int period) {
    if (!ValidPeriod(period)) return {};
    return Tables().subsidy[static_cast<std::size_t>(period)];
}

std::optional<BracketMatch<IsrBracket>> FindIsrBracket(std::span<const IsrBracket> table,
                                                       std::int16_t nRows, double base) {
    if (nRows < 0) return std::nullopt;
    const auto examined = std::min(table.size(), static_cast<std::size_t>(nRows) + 1);
    return FirstEnclosing(table.first(examined), base);
}

std::optional<BracketMatch<EmploymentSubsidyBracket>> FindEmploymentSubsidyBracket(
    std::span<const EmploymentSubsidyBracket> table, double base) {
    return FirstEnclosing(table, base);
}

}  // namespace isr
