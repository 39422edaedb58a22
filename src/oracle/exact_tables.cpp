// SPDX-License-Identifier: MIT
#include "oracle/exact_tables.h"

#include <array>
#include <stdexcept>
#include <string>

#include "oracle/exact_amount.h"
#include "tariffs/tariff_tables.h"

namespace isr::oracle {

namespace {

// Exactly `N` fields, none of them empty.
template <std::size_t N>
std::optional<std::array<std::int64_t, N>> ParseFields(std::string_view row) {
    std::array<std::int64_t, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto bar = row.find('|');
        if ((bar == std::string_view::npos) != (i + 1 == N)) return std::nullopt;
        const auto value = ParseHundredths(row.substr(0, bar));
        if (!value) return std::nullopt;
        values[i] = *value;
        row = bar == std::string_view::npos ? std::string_view{} : row.substr(bar + 1);
    }
    return values;
}

template <class Row, class Parse>
std::vector<Row> ParseTable(std::span<const std::string_view> table, Parse parse) {
    std::vector<Row> rows;
    for (const auto text : table) {
        const auto row = parse(text);
        if (!row) throw std::logic_error("unreadable tariff row: " + std::string(text));
        rows.push_back(*row);
    }
    return rows;
}

// Which tables belong to which period, in the order of the period list.
struct PeriodTexts {
    std::span<const std::string_view> isr;
    std::span<const std::string_view> subsidy;
};

const std::array<PeriodTexts, 6> kPeriodTexts = {{
    {tabISR_Men, tabSubEmp_Men},
    {tabISR_Anu, {}},
    {tabISR_Sem, tabSubEmp_Sem},
    {tabISR_Dec, tabSubEmp_Dec},
    {tabISR_Cat, tabSubEmp_Cat},
    {tabISR_Qui, tabSubEmp_Qui},
}};

std::array<ExactPeriodTables, kPeriodTexts.size()> ParseAll() {
    std::array<ExactPeriodTables, kPeriodTexts.size()> all;
    for (std::size_t p = 0; p < kPeriodTexts.size(); ++p) {
        all[p].isr = ParseTable<ExactIsrRow>(kPeriodTexts[p].isr, ParseExactIsrRow);
        all[p].subsidy = ParseTable<ExactSubsidyRow>(kPeriodTexts[p].subsidy, ParseExactSubsidyRow);
    }
    return all;
}

}  // namespace

std::optional<ExactIsrRow> ParseExactIsrRow(std::string_view row) {
    const auto f = ParseFields<4>(row);
    if (!f) return std::nullopt;
    return ExactIsrRow{(*f)[0], (*f)[1], (*f)[2], (*f)[3]};
}

std::optional<ExactSubsidyRow> ParseExactSubsidyRow(std::string_view row) {
    const auto f = ParseFields<3>(row);
    if (!f) return std::nullopt;
    return ExactSubsidyRow{(*f)[0], (*f)[1], (*f)[2]};
}

const ExactPeriodTables& ExactTablesOf(int period) {
    static const auto all = ParseAll();
    if (period < 0 || period >= static_cast<int>(all.size())) {
        throw std::logic_error("no pay period at position " + std::to_string(period));
    }
    return all[static_cast<std::size_t>(period)];
}

}  // namespace isr::oracle
