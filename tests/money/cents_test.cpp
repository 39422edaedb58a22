// SPDX-License-Identifier: MIT
#include "money/cents.h"

#include <gtest/gtest.h>

#include <cstdint>
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
        EXPECT_EQ(PercentOf(*Cents::FromCount(c.amount), Rate::FromHundredths(c.rate)).Count(),
                  c.percentage);
    }
}

}  // namespace
}  // namespace isr
