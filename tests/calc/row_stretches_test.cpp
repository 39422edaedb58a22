// SPDX-License-Identifier: MIT
// The stretches of a chart, checked against the calculation itself: inside a stretch the rows do
// not change, across every boundary one of them does, and together they cover the range asked
// for, cent by cent.
#include "calc/row_stretches.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/withholding.h"
#include "money/amount_text.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

Cents C(std::string_view amount) {
    return ReadAmount(amount).cents;
}

std::string Text(Cents amount) {
    return AmountText(amount).String();
}

// The tariff row and the subsidy row of a base, each nothing when no row encloses it.
using Rows = std::pair<std::optional<std::size_t>, std::optional<std::size_t>>;

Rows RowsAt(const TableSet& tables, Period period, Cents base) {
    const Withholding w = Calculate(tables, period, base, Cents());
    return {w.isr ? std::optional(w.isr->row) : std::nullopt,
            w.subsidy ? std::optional(w.subsidy->row) : std::nullopt};
}

TEST(RowStretches, EachStretchKeepsItsRowsAndEachBoundaryChangesOne) {
    struct Range {
        std::string_view name;
        std::string_view from;
        std::string_view to;
    };
    const Range ranges[] = {
        {"from no income to past every top row", "0.00", "5,000,000.00"},
        {"below zero up to the first cents", "-3.00", "0.05"},
        {"from inside a row to inside another", "1,234.56", "45,678.90"},
        // The top rows end at sentinels (9,999,999.99 or 99,999,999.99); above them no row.
        {"across the top rows' sentinels", "9,000,000.00", "200,000,000.00"},
    };
    for (const TableSet* tables : AllTableSets()) {
        for (const Period period : kPeriods) {
            for (const Range& range : ranges) {
                SCOPED_TRACE(std::string(tables->Name()) + " " + std::string(PeriodName(period)) +
                             ": " + std::string(range.name));
                const auto stretches = RowStretches(*tables, period, C(range.from), C(range.to));
                ASSERT_FALSE(stretches.empty());
                EXPECT_EQ(stretches.front().first, C(range.from));
                EXPECT_EQ(stretches.back().last, C(range.to));
                for (std::size_t i = 0; i < stretches.size(); ++i) {
                    const RowStretch& s = stretches[i];
                    SCOPED_TRACE(Text(s.first) + " to " + Text(s.last));
                    ASSERT_LE(s.first, s.last);
                    const Rows rows = RowsAt(*tables, period, s.first);
                    const Cents middle = *Cents::FromCount((s.first.Count() + s.last.Count()) / 2);
                    EXPECT_EQ(RowsAt(*tables, period, middle), rows);
                    EXPECT_EQ(RowsAt(*tables, period, s.last), rows);
                    if (i + 1 == stretches.size()) continue;
                    EXPECT_EQ(stretches[i + 1].first, s.last + kOneCent) << "no gap, no overlap";
                    EXPECT_NE(RowsAt(*tables, period, stretches[i + 1].first), rows)
                        << "a boundary where nothing changes draws a needless point";
                }
            }
        }
    }
}

TEST(RowStretches, StepsAndEdgesOfTheRange) {
    struct Case {
        std::string_view name;
        Period period;
        std::string_view from;
        std::string_view to;
        std::vector<std::pair<std::string_view, std::string_view>> stretches;
    };
    using enum Period;
    const Case cases[] = {
        // Monthly, the subsidy's last paying row ends at 7,382.33 inside the tariff row
        // 4,210.42 to 7,399.42.
        {"the monthly subsidy's last step, one cent either side",
         kMensual,
         "7,382.32",
         "7,382.35",
         {{"7,382.32", "7,382.33"}, {"7,382.34", "7,382.35"}}},
        {"a step and a tariff row ending close together",
         kMensual,
         "7,380.00",
         "7,400.00",
         {{"7,380.00", "7,382.33"}, {"7,382.34", "7,399.42"}, {"7,399.43", "7,400.00"}}},
        // The base 0.00 matches no row; every first row starts at 0.01.
        {"no income is a stretch of its own",
         kMensual,
         "0.00",
         "0.01",
         {{"0.00", "0.00"}, {"0.01", "0.01"}}},
        {"one base", kSemanal, "100.00", "100.00", {{"100.00", "100.00"}}},
        // The annual period has no subsidy table: only its tariff rows break the range.
        {"annual, tariff rows only",
         kAnual,
         "5,000.00",
         "60,000.00",
         {{"5,000.00", "5,952.84"}, {"5,952.85", "50,524.92"}, {"50,524.93", "60,000.00"}}},
        {"a range that ends before it starts", kMensual, "10.00", "9.99", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<std::string, std::string>> found;
        for (const RowStretch& s : RowStretches(DefaultTableSet(), c.period, C(c.from), C(c.to))) {
            found.emplace_back(Text(s.first), Text(s.last));
        }
        std::vector<std::pair<std::string, std::string>> expected;
        for (const auto& [first, last] : c.stretches) expected.emplace_back(first, last);
        EXPECT_EQ(found, expected);
    }
}

// The rows handed with each stretch are the ones the calculation finds for its bases, and a visit
// that says "enough" ends the walk there.
TEST(ForEachRowStretch, HandsEachStretchItsRowsAndStopsWhenTold) {
    for (const Period period : kPeriods) {
        SCOPED_TRACE(std::string(PeriodName(period)));
        const TableSet& tables = DefaultTableSet();
        std::size_t visits = 0;
        ForEachRowStretch(
            tables, period, C("-1.00"), C("200,000,000.00"), [&](const StretchRows& s) {
                const auto index = [](auto* row, auto table) {
                    return row ? std::optional(static_cast<std::size_t>(row - table.data()))
                               : std::nullopt;
                };
                EXPECT_EQ(Rows(index(s.isr, tables.IsrTariff(period)),
                               index(s.subsidy, tables.SubsidyTable(period))),
                          RowsAt(tables, period, s.bases.last))
                    << Text(s.bases.first);
                return ++visits == 5;
            });
        EXPECT_EQ(visits, 5U);
    }
}

// How far a chart reaches to show the subsidy's steps: the lower limit of the subsidy's last row,
// or for the annual period, which has none, that of its sixth tariff row.
TEST(SubsidyStepsEnd, LastSubsidyRowOrTheAnnualSixthTariffRow) {
    const struct {
        Period period;
        std::string_view end;
    } cases[] = {
        {Period::kMensual, "7,382.34"},
        {Period::kQuincenal, "3,642.61"},
        {Period::kAnual, "123,580.21"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(SubsidyStepsEnd(DefaultTableSet(), c.period)), c.end)
            << PeriodName(c.period);
    }
}

}  // namespace
}  // namespace isr
