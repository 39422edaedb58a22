// SPDX-License-Identifier: MIT
#include "calc/amount.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace isr {
namespace {

TEST(FormatAmount, PatternGroupsAndTwoDecimals) {
    struct Case {
        double value;
        std::string_view text;
    };
    const Case cases[] = {
        {0, "0.00"},
        {0.5, "0.50"},
        {7.5, "7.50"},
        {999.99, "999.99"},
        {1000, "1,000.00"},
        {12000.5, "12,000.50"},
        {1234567.891, "1,234,567.89"},
        {99999999.99, "99,999,999.99"},
        {-1234.56, "-1,234.56"},
        {-236.85, "-236.85"},
        {-0.0, "0.00"},
        {-0.004, "0.00"},
        {169.77088, "169.77"},
        {1037.149408, "1,037.15"},
        {999999.995, "1,000,000.00"},
        {-999.995, "-1,000.00"},
        {123456789012.345, "123,456,789,012.35"},
        {1e13, "10,000,000,000,000.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatAmount(c.value), c.text) << c.value;
}

// Half cents round away from zero, decided on the 15-digit decimal form: each of these values is
// held in binary a hair below the half cent.
TEST(FormatAmount, HalfCentsRoundAwayFromZeroInDecimalTerms) {
    struct Case {
        double value;
        std::string_view text;
    };
    const Case cases[] = {
        {0.25 * 34 / 100 + 21737.57, "21,737.66"},
        {2.675, "2.68"},
        {1.005, "1.01"},
        {0.125, "0.13"},
        {-0.125, "-0.13"},
        {-2.675, "-2.68"},
        {1.015, "1.02"},
        {8.345, "8.35"},
        {1e10 + 0.005, "10,000,000,000.01"},  // beyond the fast range
        {3.004, "3.00"},
        {3.005, "3.01"},
        {0.0049999, "0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatAmount(c.value), c.text) << c.value;
}

TEST(FormatAmount, HugeValuesShowEveryDigitWithoutExponent) {
    const auto text = FormatAmount(1e300);
    EXPECT_EQ(text.substr(0, 4), "1,00");
    EXPECT_EQ(text.find('e'), std::string::npos);
    EXPECT_EQ(text.size(), 301 + 100 + 3);  // digits, commas, ".00"
    EXPECT_EQ(text.substr(text.size() - 3), ".00");
}

TEST(FormatAmount, ExtremesParseBackAndAreStable) {
    const double extremes[] = {std::numeric_limits<double>::max(),
                               -std::numeric_limits<double>::max(),
                               std::nextafter(std::numeric_limits<double>::max(), 0.0),
                               1.797693134862315e308,
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::denorm_min(),
                               -std::numeric_limits<double>::denorm_min(),
                               1e13,
                               9.99999999999995e12,
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()};
    for (const double x : extremes) {
        SCOPED_TRACE(x);
        const auto first = FormatAmount(x);
        const auto parsed = ParseAmount(first);
        ASSERT_TRUE(parsed.has_value()) << first;
        EXPECT_TRUE(std::isfinite(*parsed));
        EXPECT_EQ(FormatAmount(*parsed), first);
    }
}

TEST(ParseAmount, ReadsWhatTheEntryFieldsHold) {
    struct Case {
        std::string_view text;
        double value;
    };
    const Case cases[] = {
        {"0", 0},
        {"0.", 0},
        {".5", 0.5},
        {"7.5", 7.5},
        {"12,000.50", 12000.5},
        {"1,34.50", 134.5},
        {",5", 5},
        {"1,,2", 12},
        {"5,.3", 5.3},
        {"-5", -5},
        {"-.5", -0.5},
        {"-1,234.56", -1234.56},
        {"1,234.507", 1234.507},
        {"0000.10", 0.1},
        {"99999999.99", 99999999.99},
        {"3000", 3000},
    };
    for (const auto& c : cases) {
        const auto value = ParseAmount(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

TEST(ParseAmount, RefusesEverythingElse) {
    const std::string_view refused[] = {
        "",      "-",         ".",    "-.",  ",",   "-,",  "--5", "+5",
        " 5",    "5 ",        "5-",   "$5",  "5$",  "1e5", "1E5", "1.2.3",
        "1.2,3", "1,2,3.4.5", "0x10", "inf", "nan", "١٢",  "5\n", std::string_view("5\0", 2),
    };
    for (const auto text : refused) EXPECT_FALSE(ParseAmount(text).has_value()) << text;
}

TEST(ParseAmount, LongTextsRoundCorrectlyOverflowIsRefusedUnderflowIsZero) {
    const std::string fourHundredNines(400, '9');
    EXPECT_FALSE(ParseAmount(fourHundredNines).has_value());
    EXPECT_FALSE(ParseAmount("-" + fourHundredNines).has_value());
    EXPECT_EQ(ParseAmount("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(ParseAmount(std::string(300, '0') + "12.5"), 12.5);
    EXPECT_EQ(ParseAmount("12345678901234567890.5"), 12345678901234567890.5);
    EXPECT_EQ(ParseAmount("0.1000000000000000055511151231257827"), 0.1);
    // The largest double written out in full reads back as itself.
    EXPECT_EQ(ParseAmount(FormatAmount(std::numeric_limits<double>::max())), 1.79769313486231e308);
}

// Below 1e13 a format/parse round trip is the value rounded to cents, and a second round trip
// changes nothing.
TEST(AmountRoundTrip, IsTheValueRoundedToCents) {
    std::mt19937_64 random(20160101);
    std::uniform_int_distribution<long long> cents(-999999999999999LL, 999999999999999LL);
    // Near 1e15 cents a double resolves only eighths of a cent, so keep the noise clear of the
    // half.
    std::uniform_real_distribution<double> noise(-0.3, 0.3);
    for (int i = 0; i < 200000; ++i) {
        const long long c = i < 100000 ? cents(random) % 100000000 : cents(random);
        const double exact = static_cast<double>(c) / 100;
        const double x = (static_cast<double>(c) + noise(random)) / 100;
        const auto text = FormatAmount(x);
        const auto parsed = ParseAmount(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        ASSERT_EQ(*parsed, exact) << x << " -> " << text;
        ASSERT_EQ(FormatAmount(*parsed), text);
    }
}

TEST(AmountRoundTrip, AnyFiniteDoubleIsStableAfterOneTrip) {
    std::mt19937_64 random(42);
    for (int i = 0; i < 100000; ++i) {
        const auto bits = random();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x)) continue;
        const auto once = FormatAmount(x);
        const auto parsed = ParseAmount(once);
        ASSERT_TRUE(parsed.has_value()) << once;
        ASSERT_EQ(FormatAmount(*parsed), once) << x;
    }
}

}  // namespace
}  // namespace isr
