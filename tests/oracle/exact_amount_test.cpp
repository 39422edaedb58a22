// SPDX-License-Identifier: MIT
#include "oracle/exact_amount.h"

#include <gtest/gtest.h>

#include <limits>

namespace isr::oracle {
namespace {

TEST(ParseHundredths, ReadsPlainTableNumbersOnly) {
    struct Case {
        std::string_view text;
        std::optional<std::int64_t> hundredths;
    };
    const Case cases[] = {{"0", 0},
                          {"6.4", 640},
                          {"30", 3000},
                          {"496.08", 49608},
                          {"103218", 10321800},
                          {"28782.9", 2878290},
                          {"99999999.99", 9999999999},
                          {"5.", 500},
                          {".5", 50},
                          {"", std::nullopt},
                          {".", std::nullopt},
                          {"1.234", std::nullopt},  // a third decimal cannot be held in hundredths
                          {"1,000", std::nullopt},
                          {"-1", std::nullopt},
                          {"+1", std::nullopt},
                          {"1.2.3", std::nullopt},
                          {" 1", std::nullopt},
                          {"1e5", std::nullopt},
                          {"99999999999999999999", std::nullopt}};  // would overflow
    for (const auto& c : cases) EXPECT_EQ(ParseHundredths(c.text), c.hundredths) << c.text;
}

TEST(FormatHundredths, GroupsInThreesWithTwoDecimals) {
    struct Case {
        std::int64_t hundredths;
        std::string_view text;
    };
    const Case cases[] = {{0, "0.00"},
                          {5, "0.05"},
                          {50, "0.50"},
                          {99999, "999.99"},
                          {100000, "1,000.00"},
                          {9999999999, "99,999,999.99"},
                          {123456789012, "1,234,567,890.12"},
                          {-1, "-0.01"},
                          {-23685, "-236.85"},
                          {-100000, "-1,000.00"},
                          {std::numeric_limits<std::int64_t>::min(), "-92,233,720,368,547,758.08"}};
    for (const auto& c : cases) EXPECT_EQ(FormatHundredths(c.hundredths), c.text) << c.hundredths;
}

TEST(DivideRoundingHalfAway, HalvesGoAwayFromZero) {
    struct Case {
        std::int64_t numerator;
        std::int64_t result;
    };
    const Case cases[] = {
        {0, 0},     {4999, 0},  {5000, 1},   {5001, 1},    {14999, 1}, {15000, 2},
        {25000, 3}, {-4999, 0}, {-5000, -1}, {-15000, -2}, {85000, 9},  // the 34 % bracket's half
                                                                        // cent: 25 cents × 3400
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DivideRoundingHalfAway(c.numerator, 10000), c.result) << c.numerator;
    }
    EXPECT_EQ(DivideRoundingHalfAway(std::numeric_limits<std::int64_t>::max(),
                                     std::numeric_limits<std::int64_t>::max()),
              1);
}

}  // namespace
}  // namespace isr::oracle
