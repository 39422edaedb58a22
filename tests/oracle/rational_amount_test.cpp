// SPDX-License-Identifier: MIT
#include "oracle/rational_amount.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace isr::oracle {
namespace {

// A rational written as "n/d", in lowest terms.
mpq_class Q(const char* text) {
    mpq_class value(text);
    value.canonicalize();
    return value;
}

const std::string kFortyDigits = "1234567890123456789012345678901234567890";

TEST(PlainDecimal, ReadsTableFiguresExactly) {
    struct Case {
        std::string text;
        mpq_class value;
    };
    const Case cases[] = {
        {"0", Q("0")},
        {"6.4", Q("32/5")},
        {"496.08", Q("12402/25")},
        {"103218", Q("103218")},
        {"5.", Q("5")},
        {".5", Q("1/2")},
        {"1.234", Q("617/500")},  // no limit on the decimals
        {kFortyDigits, Q(kFortyDigits.c_str())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PlainDecimal(c.text), c.value);
    }
}

TEST(PlainDecimal, RefusesAnythingATableDoesNotWrite) {
    for (const std::string text : {"", ".", "1,000", "-1", "+1", "1.2.3", " 1", "1e5", "1 "}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(PlainDecimal(text), std::logic_error);
    }
}

TEST(TypedDecimal, ReadsWhatAFieldAcceptsAndNothingElse) {
    struct Case {
        std::string text;
        std::optional<mpq_class> value;
    };
    const Case cases[] = {
        {"3,000.00", Q("3000")},
        {"-0.125", Q("-1/8")},
        {"1,2,34.567", Q("1234567/1000")},
        {"7.", Q("7")},
        {".5", Q("1/2")},
        {"-,5", Q("-5")},
        {"-0", Q("0")},
        {"00012.340", Q("617/50")},
        {kFortyDigits + ".5", Q((kFortyDigits + "5/10").c_str())},
        {"", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {",", std::nullopt},
        {"1.000,5", std::nullopt},  // a separator among the decimals
        {"1.2.3", std::nullopt},
        {"+5", std::nullopt},
        {"--5", std::nullopt},
        {"5-", std::nullopt},
        {" 5", std::nullopt},
        {"1e5", std::nullopt},
        {"$5", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TypedDecimal(c.text), c.value);
    }
}

TEST(RoundedToCents, HalvesGoAwayFromZeroOnBothSides) {
    struct Case {
        std::string name;
        mpq_class value;
        mpq_class rounded;
    };
    const Case cases[] = {
        {"a half cent rounds up", Q("2675/1000"), Q("268/100")},
        {"a negative half cent rounds down", Q("-2675/1000"), Q("-268/100")},
        {"the smallest half cent", Q("1/200"), Q("1/100")},
        {"the smallest negative half cent", Q("-1/200"), Q("-1/100")},
        {"just below a half cent", Q("4999/1000000"), Q("0")},
        {"just above a negative half cent", Q("-4999/1000000"), Q("0")},
        {"a third", Q("1/3"), Q("33/100")},
        {"minus two thirds", Q("-2/3"), Q("-67/100")},
        {"whole cents stay", Q("-23685/100"), Q("-23685/100")},
        {"past 10^13", Q("12345678901234567/1000"), Q("1234567890123457/100")},
        {"the 34 % bracket's half cent", Q("25/100") * 34 / 100, Q("9/100")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RoundedToCents(c.value), c.rounded);
    }
}

TEST(ShownCents, GroupsInThreesWithTwoDecimals) {
    struct Case {
        mpq_class value;
        std::string shown;
    };
    const Case cases[] = {
        {Q("0"), "0.00"},
        {Q("5/100"), "0.05"},
        {Q("1/2"), "0.50"},
        {Q("99999/100"), "999.99"},
        {Q("1000"), "1,000.00"},
        {Q("-1/100"), "-0.01"},
        {Q("-23685/100"), "-236.85"},
        {Q("-100000"), "-100,000.00"},
        {Q("9999999999999999999/100"), "99,999,999,999,999,999.99"},  // past 64 bits
        {Q(kFortyDigits.c_str()), "1,234,567,890,123,456,789,012,345,678,901,234,567,890.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(ShownCents(c.value), c.shown);
    }
}

TEST(ShownCents, RefusesFractionsOfACent) {
    for (const char* value : {"1/1000", "1/3", "-2675/1000"}) {
        SCOPED_TRACE(value);
        EXPECT_THROW(ShownCents(Q(value)), std::logic_error);
    }
}

}  // namespace
}  // namespace isr::oracle
