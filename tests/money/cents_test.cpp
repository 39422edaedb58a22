// SPDX-License-Identifier: MIT
#include "money/cents.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace isr {
namespace {

// The published tables write their figures in several forms; each reads to whole hundredths.
static_assert(TableAmount("0").Count() == 0);
static_assert(TableAmount("0.01").Count() == 1);
static_assert(TableAmount("81.3").Count() == 8130);
static_assert(TableAmount("103218").Count() == 10321800);
static_assert(TableAmount("99999999.99").Count() == 9999999999);
static_assert(TableRate("6.4").Hundredths() == 640);
static_assert(TableRate("16.00").Hundredths() == 1600);

TEST(Cents, CountsBeyondTheLargestMagnitudeAreRefused) {
    constexpr std::int64_t kLargest = 999'999'999'999'999'999;
    struct Case {
        std::string_view name;
        std::int64_t count;
        bool accepted;
    };
    const Case cases[] = {
        {"the largest amount is an amount", kLargest, true},
        {"its negative is one too", -kLargest, true},
        {"one cent more is refused", kLargest + 1, false},
        {"one cent more below zero is refused", -kLargest - 1, false},
        {"zero is an amount", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto cents = Cents::FromCount(c.count);
        ASSERT_EQ(cents.has_value(), c.accepted);
        if (cents) {
            EXPECT_EQ(cents->Count(), c.count);
        }
    }
    EXPECT_EQ(Cents::Largest().Count(), kLargest);
}

// A sum or difference beyond the largest magnitude is nothing, one within it is exact.
TEST(Cents, SumsAndDifferencesStayWithinTheLargestMagnitude) {
    constexpr std::int64_t kLargest = 999'999'999'999'999'999;
    struct Case {
        std::string_view name;
        std::int64_t a;
        std::int64_t b;
        std::optional<std::int64_t> sum;
        std::optional<std::int64_t> difference;
    };
    const Case cases[] = {
        {"the largest and nothing", kLargest, 0, kLargest, kLargest},
        {"the largest and a cent", kLargest, 1, std::nullopt, kLargest - 1},
        {"a cent and the largest", 1, kLargest, std::nullopt, 1 - kLargest},
        {"the lowest and a cent", -kLargest, 1, 1 - kLargest, std::nullopt},
        {"the lowest and minus a cent", -kLargest, -1, std::nullopt, 1 - kLargest},
        {"the largest and the lowest", kLargest, -kLargest, 0, std::nullopt},
        {"the largest twice", kLargest, kLargest, std::nullopt, 0},
        {"ordinary amounts", 123'456, -7'890, 115'566, 131'346},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Cents a = *Cents::FromCount(c.a);
        const Cents b = *Cents::FromCount(c.b);
        const auto sum = Cents::Sum(a, b);
        const auto difference = Cents::Difference(a, b);
        ASSERT_EQ(sum.has_value(), c.sum.has_value());
        ASSERT_EQ(difference.has_value(), c.difference.has_value());
        if (sum) {
            EXPECT_EQ(sum->Count(), *c.sum);
        }
        if (difference) {
            EXPECT_EQ(difference->Count(), *c.difference);
        }
        if (sum) {
            EXPECT_EQ((a + b).Count(), *c.sum);
        }
        if (difference) {
            EXPECT_EQ((a - b).Count(), *c.difference);
        }
    }
}

// + and - promise a result within the range; a debug build stops at one beyond it.
TEST(CentsDeathTest, PlainArithmeticBeyondTheRangeStopsADebugBuild) {
    const Cents largest = Cents::Largest();
    EXPECT_DEBUG_DEATH((void)(largest + kOneCent), "kLargestCount");
    EXPECT_DEBUG_DEATH((void)(-largest - kOneCent), "kLargestCount");
}

TEST(Rate, OnlyZeroToAHundredPercentIsARate) {
    struct Case {
        std::string_view name;
        std::int32_t hundredths;
        bool accepted;
    };
    const Case cases[] = {
        {"no rate", 0, true},
        {"the top rate of the tariffs", 3500, true},
        {"the whole amount", 10'000, true},
        {"a hundredth more", 10'001, false},
        {"below zero", -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rate = Rate::FromHundredths(c.hundredths);
        ASSERT_EQ(rate.has_value(), c.accepted);
        if (rate) {
            EXPECT_EQ(rate->Hundredths(), c.hundredths);
        }
    }
}

TEST(PercentOf, RoundsToCentsWithHalvesAwayFromZero) {
    struct Case {
        std::string_view name;
        std::int64_t amount;      // cents
        std::int32_t rate;        // hundredths of a percent
        std::int64_t percentage;  // cents
    };
    const Case cases[] = {
        {"0.25 at 34 % is 0.085, up to 0.09", 25, 3400, 9},
        {"-0.25 at 34 % is -0.085, down to -0.09", -25, 3400, -9},
        {"0.05 at 30 % is 0.015, up to 0.02", 5, 3000, 2},
        {"49.99 at 0.01 % is just below half a cent", 4999, 1, 0},
        {"50.00 at 0.01 % is exactly half a cent", 5000, 1, 1},
        {"-50.00 at 0.01 % is minus half a cent", -5000, 1, -1},
        {"-49.99 at 0.01 % rounds to a zero without sign", -4999, 1, 0},
        {"1,398.49 at 17.92 % is 250.609408", 139849, 1792, 25061},
        {"2,503.92 at 6.4 % is 160.25088", 250392, 640, 16025},
        {"the top of the widest tariff at 35 %", 9999999999, 3500, 3500000000},
        {"anything at 0 % is zero", 123456789, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PercentOf(*Cents::FromCount(c.amount), *Rate::FromHundredths(c.rate)).Count(),
                  c.percentage);
    }
}

}  // namespace
}  // namespace isr
