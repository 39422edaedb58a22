// SPDX-License-Identifier: MIT
#include "money/amount_text.h"

#include <gtest/gtest.h>

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace isr {
namespace {

TEST(AmountText, ShowsCentsGroupedInThreesWithTwoDecimals) {
    struct Case {
        std::string_view name;
        std::int64_t count;
        std::string_view text;
    };
    const Case cases[] = {
        {"zero", 0, "0.00"},
        {"one cent keeps its integer zero", 1, "0.01"},
        {"half a peso", 50, "0.50"},
        {"below a thousand, no comma", 99999, "999.99"},
        {"a thousand takes the first comma", 100000, "1,000.00"},
        {"a hundred thousand", 10000000, "100,000.00"},
        {"millions", 123456789, "1,234,567.89"},
        {"the monthly sentinel", 9999999999, "99,999,999.99"},
        {"a negative result", -23685, "-236.85"},
        {"a negative grouped result", -123456, "-1,234.56"},
        {"minus one cent is not zero", -1, "-0.01"},
        {"the largest amount", Cents::kLargestCount, "9,999,999,999,999,999.99"},
        {"the largest negative amount", -Cents::kLargestCount, "-9,999,999,999,999,999.99"},
        {"every digit place", 123'456'789'012'345'678, "1,234,567,890,123,456.78"},
        {"every negative digit place", -876'543'210'987'654'321, "-8,765,432,109,876,543.21"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AmountText text(*Cents::FromCount(c.count));
        EXPECT_EQ(text.View(), c.text);
        const AmountText size(*Cents::FromCount(c.count < 0 ? -c.count : c.count));
        EXPECT_EQ(text.Magnitude().View(), size.View());
        EXPECT_EQ(text.Magnitude().Grouped(), size.Grouped());
    }
    EXPECT_EQ(AmountText(-Cents()).View(), "0.00");
    EXPECT_EQ(AmountText::BareZero().Magnitude().View(), "0");
}

TEST(AmountText, ShowsRatesAsPercentagesAndTheBareZero) {
    struct Case {
        std::string_view name;
        std::int32_t hundredths;
        std::string_view text;
    };
    const Case cases[] = {
        {"6.4 % with two decimals", 640, "6.40"},
        {"1.92 %", 192, "1.92"},
        {"35 %", 3500, "35.00"},
        {"no rate", 0, "0.00"},
        {"the whole amount", Rate::kLargestHundredths, "100.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AmountText(*Rate::FromHundredths(c.hundredths)).View(), c.text);
    }
    EXPECT_EQ(AmountText::BareZero().View(), "0");
    EXPECT_EQ(AmountText::BareZero().String(), "0");
}

// Each text is read to cents, shown after the field is left, and the cents read are shown alike.
TEST(ReadAmount, RoundsOnTheDigitsWithHalvesAwayFromZero) {
    struct Case {
        std::string_view name;
        std::string_view text;
        std::int64_t cents;
        std::string_view shown;
    };
    const Case cases[] = {
        {"2.675 rounds up although no binary fraction holds it", "2.675", 268, "2.68"},
        {"1.005 rounds up", "1.005", 101, "1.01"},
        {"0.125 rounds up", "0.125", 13, "0.13"},
        {"-0.125 rounds away from zero", "-0.125", -13, "-0.13"},
        {"-2.675 rounds away from zero", "-2.675", -268, "-2.68"},
        {"3.004 rounds down", "3.004", 300, "3.00"},
        {"3.005 rounds up", "3.005", 301, "3.01"},
        {"a half cent alone is a cent", "0.005", 1, "0.01"},
        {"just under half a cent is nothing", "0.0049999", 0, "0.00"},
        {"the fourth decimal does not matter once the third is 5", "8.3450", 835, "8.35"},
        {"a typed base of 10^13 keeps its cents", "12,345,678,901,234.567", 1234567890123457,
         "12,345,678,901,234.57"},
        {"a point with no decimals", "7.", 700, "7.00"},
        {"decimals with no integer digit", ".5", 50, "0.50"},
        {"commas anywhere among the integer digits", "1,2,34.5", 123450, "1,234.50"},
        {"a leading comma", ",5", 500, "5.00"},
        {"two commas in a row", "1,,2", 1200, "12.00"},
        {"a comma just before the point", "5,.3", 530, "5.30"},
        {"leading zeros", "0000.10", 10, "0.10"},
        {"more leading zeros than an amount has digits", "000000000000000000000001.5", 150, "1.50"},
        {"a grouped amount", "12,000.50", 1200050, "12,000.50"},
        {"a negative that rounds to zero has no sign", "-0.001", 0, "0.00"},
        {"minus zero has no sign", "-0", 0, "0.00"},
        {"a negative with decimals only", "-.5", -50, "-0.50"},
        {"rounding carries into a new group", "999.995", 100000, "1,000.00"},
        {"and below zero", "-999.995", -100000, "-1,000.00"},
        {"carrying through every digit", "99,999,999.995", 10000000000, "100,000,000.00"},
        {"the largest amount", "9,999,999,999,999,999.99", Cents::kLargestCount,
         "9,999,999,999,999,999.99"},
        {"below a half cent over it", "9999999999999999.994", Cents::kLargestCount,
         "9,999,999,999,999,999.99"},
        {"the largest negative amount", "-9,999,999,999,999,999.99", -Cents::kLargestCount,
         "-9,999,999,999,999,999.99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TypedAmount read = ReadAmount(c.text);
        ASSERT_EQ(read.kind, TypedAmount::Kind::kAmount);
        EXPECT_EQ(read.cents.Count(), c.cents);
        EXPECT_EQ(RoundedAmountText(c.text), c.shown);
        EXPECT_EQ(AmountText(read.cents).View(), c.shown);
    }
}

TEST(ReadAmount, BeyondTheLargestAmountIsAboveEveryTableAndStillShownInFull) {
    struct Case {
        std::string_view name;
        std::string_view text;
        bool negative;
        std::string_view shown;
    };
    const Case cases[] = {
        {"one cent over the largest amount", "10,000,000,000,000,000.00", false,
         "10,000,000,000,000,000.00"},
        {"over it only after rounding", "9,999,999,999,999,999.995", false,
         "10,000,000,000,000,000.00"},
        {"below the largest negative amount", "-10000000000000000", true,
         "-10,000,000,000,000,000.00"},
        {"forty digits keep every one", "1234567890123456789012345678901234567890.125", false,
         "1,234,567,890,123,456,789,012,345,678,901,234,567,890.13"},
        {"forty digits below zero", "-1,234,567,890,123,456,789,012,345,678,901,234,567,890.994",
         true, "-1,234,567,890,123,456,789,012,345,678,901,234,567,890.99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TypedAmount read = ReadAmount(c.text);
        EXPECT_EQ(read.kind, TypedAmount::Kind::kBeyondRange);
        EXPECT_EQ(read.cents, c.negative ? -Cents::Largest() : Cents::Largest());
        EXPECT_EQ(RoundedAmountText(c.text), c.shown);
    }
}

TEST(ReadAmount, TextsOfHundredsOfDigits) {
    const std::string nines(400, '9');
    // "1" and 400 zeros: "10" and then 133 groups of ",000".
    std::string carried = "10";
    for (int i = 0; i < 133; ++i) carried += ",000";
    carried += ".00";
    EXPECT_EQ(RoundedAmountText(nines + ".995"), carried);
    EXPECT_EQ(RoundedAmountText("-" + nines + ".995"), "-" + carried);
    EXPECT_EQ(ReadAmount(nines).kind, TypedAmount::Kind::kBeyondRange);

    const std::string tiny = "-0." + std::string(400, '0') + "1";
    EXPECT_EQ(ReadAmount(tiny).kind, TypedAmount::Kind::kAmount);
    EXPECT_EQ(ReadAmount(tiny).cents, Cents());
    EXPECT_EQ(RoundedAmountText(tiny), "0.00");

    const std::string zeros = std::string(300, '0') + "12.5";
    EXPECT_EQ(ReadAmount(zeros).cents.Count(), 1250);
    EXPECT_EQ(RoundedAmountText(zeros), "12.50");
}

TEST(ReadAmount, RefusesWhatTheEntryFieldsRefuse) {
    struct Case {
        std::string_view name;
        std::string_view text;
    };
    const Case cases[] = {
        {"the empty text", ""},
        {"a lone minus", "-"},
        {"a lone point", "."},
        {"a minus and a point", "-."},
        {"a lone comma", ","},
        {"a comma and a point", ",."},
        {"two minus signs", "--5"},
        {"a plus sign", "+5"},
        {"a leading blank", " 5"},
        {"a trailing blank", "5 "},
        {"a trailing minus", "5-"},
        {"a minus among the decimals", "5.-1"},
        {"a currency sign", "$5"},
        {"a percent sign", "5%"},
        {"an exponent", "1e5"},
        {"a second point", "1.2.3"},
        {"a comma among the decimals", "1.2,3"},
        {"an apostrophe between the thousands", "1'000"},
        {"hexadecimal", "0x10"},
        {"infinity", "inf"},
        {"not a number", "nan"},
        {"digits of another script", "\u0661\u0662"},
        {"a line feed", "5\n"},
        {"a NUL byte", std::string_view("5\0", 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadAmount(c.text).kind, TypedAmount::Kind::kNotAnAmount);
        EXPECT_EQ(RoundedAmountText(c.text), std::nullopt);
        EXPECT_EQ(CompareAmountTexts(c.text, "0"), std::nullopt);
        EXPECT_EQ(CompareAmountTexts("0", c.text), std::nullopt);
    }
}

// Every length of count, at both ends of it and on both sides of zero, reads back from its text.
TEST(ReadAmount, ReadsBackEveryCountThatAmountTextShows) {
    for (std::int64_t power = 1; power <= Cents::kLargestCount / 10 + 1; power *= 10) {
        for (const std::int64_t count : {power, power * 10 - 1, -power, 1 - power * 10}) {
            SCOPED_TRACE(count);
            const AmountText text(*Cents::FromCount(count));
            const TypedAmount back = ReadAmount(text);
            EXPECT_EQ(back.kind, TypedAmount::Kind::kAmount);
            EXPECT_EQ(back.cents.Count(), count);
            EXPECT_EQ(RoundedAmountText(text), text.View());
        }
    }
}

// ReadAmount checks the grammar in its own single pass; RoundedAmountText cuts the text first and
// rounds on its digits. Every text of up to five characters drawn from digits, separators, signs
// and a blank must be refused by both or read by both to the same cents.
TEST(ReadAmount, AgreesWithTheRoundedTextOnEveryShortText) {
    constexpr std::string_view kAlphabet = "0159,.-+ ";
    std::string text;
    const auto check = [&] {
        const TypedAmount read = ReadAmount(text);
        const auto rounded = RoundedAmountText(text);
        ASSERT_EQ(read.kind == TypedAmount::Kind::kNotAnAmount, !rounded) << '"' << text << '"';
        if (rounded) {
            ASSERT_EQ(read.cents, ReadAmount(*rounded).cents) << '"' << text << '"';
        }
    };
    const auto extend = [&](const auto& self, std::size_t length) -> void {
        check();
        if (length == 5) return;
        for (const char c : kAlphabet) {
            text.push_back(c);
            self(self, length + 1);
            text.pop_back();
        }
    };
    extend(extend, 0);
}

TEST(CompareAmountTexts, ComparesExactValuesNotRoundedOnes) {
    using std::strong_ordering;
    struct Case {
        std::string_view name;
        std::string_view a;
        std::string_view b;
        strong_ordering order;
    };
    const Case cases[] = {
        {"a thousandth above is above, though both show 40.00", "40.001", "40",
         strong_ordering::greater},
        {"minus zero equals zero", "-0", "0.00", strong_ordering::equal},
        {"commas and trailing zeros change nothing", "1,000", "1000.000", strong_ordering::equal},
        {"leading zeros change nothing", "007", "7", strong_ordering::equal},
        {"a longer integer is larger", "100", "99.999", strong_ordering::greater},
        {"decimals compare by place, not by length", "0.1", "0.09", strong_ordering::greater},
        {"a long tail below half", "0.5", "0.49999999999", strong_ordering::greater},
        {"a negative is below zero", "-1", "0", strong_ordering::less},
        {"the larger magnitude is the smaller negative", "-2", "-1", strong_ordering::less},
        {"and with decimals", "-0.1", "-0.09", strong_ordering::less},
        {"forty digits against thirty-nine", "1000000000000000000000000000000000000000",
         "999999999999999999999999999999999999999.99", strong_ordering::greater},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CompareAmountTexts(c.a, c.b), c.order);
        EXPECT_EQ(CompareAmountTexts(c.b, c.a), 0 <=> c.order);
    }
}

}  // namespace
}  // namespace isr

namespace isr {
namespace {

TEST(SignificantIntegerDigits, DropSeparatorsLeadingZerosAndTheDecimals) {
    struct Case {
        std::string_view text;
        std::string_view digits;
    };
    const Case cases[] = {
        {"0,012.50", "12"}, {"0.5", ""},
        {"-1,234", "1234"}, {"1,0,0", "100"},
        {"000", ""},        {"7.", "7"},
        {".05", ""},        {"100.001", "100"},
        {"0,0,1", "1"},     {"9,876,543,210,123,456,789", "9876543210123456789"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SignificantIntegerDigits(c.text), c.digits);
    }
}

}  // namespace
}  // namespace isr
