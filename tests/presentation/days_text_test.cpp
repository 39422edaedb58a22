// SPDX-License-Identifier: MIT
#include "presentation/days_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "tariffs/anexo8_tables.h"
#include "tariffs/program_tables.h"

namespace isr {
namespace {

TEST(ReadDaysPaid, ReadsDaysWithUpToThreeDecimalsExactly) {
    const struct {
        std::string_view text;
        std::optional<std::int32_t> thousandths;
    } cases[] = {
        {"15", 15'000},
        {"15.2", 15'200},
        {"15.200", 15'200},
        {"0.001", 1},
        {".5", 500},
        {"7.", 7'000},
        {"0", 0},
        {"366", 366'000},
        {"366.001", 366'001},
        {"045.625", 45'625},
        {"99999999999999999999", 366'001},
        {"15.2001", std::nullopt},
        {"", std::nullopt},
        {".", std::nullopt},
        {"-1", std::nullopt},
        {"1,5", std::nullopt},
        {" 15", std::nullopt},
        {"1e2", std::nullopt},
        {"1.2.3", std::nullopt},
        {"+3", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = ReadDaysPaid(c.text);
        ASSERT_EQ(read.has_value(), c.thousandths.has_value());
        if (read) {
            EXPECT_EQ(read->thousandths, *c.thousandths);
        }
    }
}

TEST(FindDaysMethod, NamesBothMethodsInAnyCase) {
    EXPECT_EQ(FindDaysMethod("tabla"), DaysMethod::kTabla);
    EXPECT_EQ(FindDaysMethod("MENSUAL"), DaysMethod::kMensual);
    EXPECT_EQ(FindDaysMethod("mensual "), std::nullopt);
    EXPECT_EQ(FindDaysMethod("30.4"), std::nullopt);
}

// The range a message gives is the one the calculation takes: its last days calculate, the next
// the method could take are refused.
TEST(DaysRangeText, SaysTheDaysEachMethodTakes) {
    struct Case {
        DaysMethod method;
        std::string_view text;
        DaysPaid last;
        DaysPaid next;
    };
    const Case cases[] = {
        {DaysMethod::kTabla, "un número entero de 1 a 31", {31'000}, {32'000}},
        {DaysMethod::kMensual, "más de 0 y a lo sumo 366", {366'000}, {366'001}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DaysRangeText(c.method), c.text);
        const Cents base = *Cents::FromCount(500'000);
        EXPECT_TRUE(std::holds_alternative<DaysPaidResult>(
            CalculateDaysPaid(kAnexo8Tables, c.last, c.method, base)));
        EXPECT_EQ(std::get<DaysProblem>(CalculateDaysPaid(kAnexo8Tables, c.next, c.method, base)),
                  DaysProblem::kOutOfRange);
    }
}

// The days named are those the set has tables of: each calculates by the tabla method, and a day
// between them has no table.
TEST(NoDaysTableText, NamesTheDaysASetWithoutDailyTablesHas) {
    EXPECT_EQ(NoDaysTableText(kProgramTables),
              "las tablas programa sólo tienen las de 7, 10, 14 y 15 días");
    const Cents base = *Cents::FromCount(500'000);
    for (const std::int32_t days : {7, 10, 14, 15}) {
        EXPECT_TRUE(std::holds_alternative<DaysPaidResult>(CalculateDaysPaid(
            kProgramTables, {days * kThousandthsPerDay}, DaysMethod::kTabla, base)))
            << days;
    }
    EXPECT_EQ(
        std::get<DaysProblem>(CalculateDaysPaid(kProgramTables, {8'000}, DaysMethod::kTabla, base)),
        DaysProblem::kNoTable);
}

}  // namespace
}  // namespace isr
