// SPDX-License-Identifier: MIT
// The compile-time checks of a table set, shown to reject sets broken in one place each.
#include "tariffs/table_checks.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

namespace isr {
namespace {

constexpr std::string_view kWide = "99999999.99";
constexpr std::string_view kNarrow = "9999999.99";

// Rows a hundred pesos apart with the rates of 2016, up to the sentinel.
constexpr Table<IsrRowText> Tariff(std::string_view sentinel) {
    return {{
        {"0.01", "100", "0", "1.92"},
        {"100.01", "200", "1", "6.4"},
        {"200.01", "300", "2", "10.88"},
        {"300.01", "400", "3", "16"},
        {"400.01", "500", "4", "17.92"},
        {"500.01", "600", "5", "21.36"},
        {"600.01", "700", "6", "23.52"},
        {"700.01", "800", "7", "30"},
        {"800.01", "900", "8", "32"},
        {"900.01", "1000", "9", "34"},
        {"1000.01", sentinel, "10", "35"},
    }};
}

constexpr Table<SubsidyRowText> Subsidies(std::string_view sentinel) {
    return {{
        {"0.01", "100", "10"},
        {"100.01", "200", "9"},
        {"200.01", "300", "8"},
        {"300.01", "400", "7"},
        {"400.01", "500", "6"},
        {"500.01", "600", "5"},
        {"600.01", "700", "4"},
        {"700.01", "800", "3"},
        {"800.01", "900", "2"},
        {"900.01", "1000", "1"},
        {"1000.01", sentinel, "0"},
    }};
}

// Passes every check: the control for the broken sets below.
constexpr TableSetText kSound = {
    "sound",
    "A set made up for the checks.",
    "2016",
    "made up",
    {Tariff(kWide), Tariff(kWide), Tariff(kNarrow), Tariff(kNarrow), Tariff(kNarrow),
     Tariff(kNarrow)},
    {Subsidies(kWide),
     {},
     Subsidies(kNarrow),
     Subsidies(kNarrow),
     Subsidies(kNarrow),
     Subsidies(kNarrow)},
};

constexpr TableSetText Isr(TableSetText set, Period period, std::size_t row,
                           std::string_view IsrRowText::*figure, std::string_view text) {
    set.isr[PeriodIndex(period)][row].*figure = text;
    return set;
}

constexpr TableSetText Subsidy(TableSetText set, Period period, std::size_t row,
                               std::string_view SubsidyRowText::*figure, std::string_view text) {
    set.subsidy[PeriodIndex(period)][row].*figure = text;
    return set;
}

struct Verdicts {
    bool chained = true;
    bool ratesOf2016 = true;
    bool topSubsidyPaysNothing = true;
    bool fits = true;
};

struct Case {
    std::string_view name;
    TableSetText text;
    Verdicts expected;
};

using enum Period;
using R = IsrRowText;
using S = SubsidyRowText;

constexpr Case kCases[] = {
    {"the sound set passes every check", kSound, {}},
    {"rows of an annual subsidy table count for nothing",
     Subsidy(kSound, kAnual, 0, &S::lowerLimit, "5"),
     {}},
    {"a cent missing between two weekly rows",
     Isr(kSound, kSemanal, 4, &R::lowerLimit, "400.02"),
     {.chained = false}},
    {"two monthly rows sharing a cent",
     Isr(kSound, kMensual, 1, &R::lowerLimit, "100"),
     {.chained = false}},
    {"the annual tariff starting at zero",
     Isr(kSound, kAnual, 0, &R::lowerLimit, "0"),
     {.chained = false}},
    {"a row ending a cent below its start, its neighbours chained to it",
     Isr(Isr(kSound, kDecenal, 3, &R::upperLimit, "300"), kDecenal, 4, &R::lowerLimit, "300.01"),
     {.chained = false}},
    {"the fortnightly tariff a cent short of its sentinel",
     Isr(kSound, kQuincenal, 10, &R::upperLimit, "9999999.98"),
     {.chained = false}},
    {"a ten-day tariff ending at the monthly sentinel",
     Isr(kSound, kDecenal, 10, &R::upperLimit, kWide),
     {.chained = false}},
    {"a cent missing in a subsidy table",
     Subsidy(kSound, kCatorcenal, 6, &S::lowerLimit, "600.02"),
     {.chained = false}},
    {"a weekly subsidy table ending at the monthly sentinel",
     Subsidy(kSound, kSemanal, 10, &S::upperLimit, kWide),
     {.chained = false}},
    {"the monthly subsidy table ending at the weekly sentinel",
     Subsidy(kSound, kMensual, 10, &S::upperLimit, kNarrow),
     {.chained = false}},
    {"6.4 % misprinted as 6.5 % in one tariff",
     Isr(kSound, kDecenal, 1, &R::rate, "6.5"),
     {.ratesOf2016 = false}},
    {"two rates swapped",
     Isr(Isr(kSound, kAnual, 8, &R::rate, "34"), kAnual, 9, &R::rate, "32"),
     {.ratesOf2016 = false}},
    {"a top subsidy row paying a cent",
     Subsidy(kSound, kMensual, 10, &S::subsidy, "0.01"),
     {.topSubsidyPaysNothing = false}},
    {"a top limit whose excess times a rate would pass 64 bits",
     Isr(kSound, kMensual, 10, &R::upperLimit, "9223372036854.78"),
     {.chained = false, .fits = false}},
    {"the highest top limit that still fits",
     Isr(kSound, kMensual, 10, &R::upperLimit, "9223372036854.77"),
     {.chained = false}},
};

template <std::size_t... I>
consteval std::array<TableSet, sizeof...(I)> SetsOf(std::index_sequence<I...>) {
    return {TableSet(kCases[I].text)...};
}

constexpr auto kSets = SetsOf(std::make_index_sequence<std::size(kCases)>());

constexpr Verdicts VerdictsOf(const TableSet& set) {
    return {
        table_checks::BracketsChainFromOneCentToTheSentinel(set),
        table_checks::EveryTariffHasTheRatesOf2016(set),
        table_checks::TopSubsidyRowsPayNothing(set),
        table_checks::ExcessTimesRateFits(set),
    };
}

TEST(TableChecks, EachBreakIsCaughtByItsOwnCheck) {
    for (std::size_t i = 0; i < kSets.size(); ++i) {
        SCOPED_TRACE(kCases[i].name);
        const Verdicts verdicts = VerdictsOf(kSets[i]);
        EXPECT_EQ(verdicts.chained, kCases[i].expected.chained);
        EXPECT_EQ(verdicts.ratesOf2016, kCases[i].expected.ratesOf2016);
        EXPECT_EQ(verdicts.topSubsidyPaysNothing, kCases[i].expected.topSubsidyPaysNothing);
        EXPECT_EQ(verdicts.fits, kCases[i].expected.fits);
    }
}

}  // namespace
}  // namespace isr
