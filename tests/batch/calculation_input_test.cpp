// SPDX-License-Identifier: MIT
#include "batch/calculation_input.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "tariffs/table_sets.h"

namespace isr {
namespace {

Cents C(std::int64_t count) {
    return *Cents::FromCount(count);
}

const std::string kFortyDigits = "1234567890123456789012345678901234567890";

TEST(ReadCalculationInput, TextsBecomeInputsOrTheFieldAndProblem) {
    using Read = std::variant<CalculationInput, InputError>;
    const auto input = [](Period period, std::int64_t base, std::int64_t sum) -> Read {
        return CalculationInput{period, C(base), C(sum)};
    };
    const auto error = [](InputField field, InputProblem problem) -> Read {
        return InputError{field, problem};
    };
    struct Case {
        std::string name;
        std::string period;
        std::string base;
        std::string subsidySum;
        Read expected;
    };
    const std::string largest = "9,999,999,999,999,999.99";
    const Case cases[] = {
        {"a plain monthly base", "Mensual", "3,000.00", "", input(Period::kMensual, 300000, 0)},
        {"period names ignore case", "qUINCENAL", "1", "", input(Period::kQuincenal, 100, 0)},
        {"an annual sum is read", "anual", "100000", "1,200",
         input(Period::kAnual, 10000000, 120000)},
        {"the sum is read for other periods too", "semanal", "1000", "500",
         input(Period::kSemanal, 100000, 50000)},
        {"a base rounds half a cent up", "mensual", "496.075", "",
         input(Period::kMensual, 49608, 0)},
        {"a negative base is refused", "mensual", "-0.125", "",
         error(InputField::kAmount, InputProblem::kNegative)},
        {"a base that rounds to zero has no sign", "mensual", "-0.004", "",
         input(Period::kMensual, 0, 0)},
        {"minus zero is zero", "mensual", "-0", "-0.00", input(Period::kMensual, 0, 0)},
        {"a negative sum is refused", "anual", "100000", "-5",
         error(InputField::kSubsidySum, InputProblem::kNegative)},
        {"a sum that rounds to zero has no sign", "anual", "1", "-0.004",
         input(Period::kAnual, 100, 0)},
        {"the top of the monthly tariff is a base", "mensual", "99,999,999.99", "",
         input(Period::kMensual, 9999999999, 0)},
        {"a cent above the top of the tariff", "mensual", "100,000,000.00", "",
         error(InputField::kAmount, InputProblem::kBeyondTariff)},
        {"the top of the weekly tariff is a base", "semanal", "9999999.99", "",
         input(Period::kSemanal, 999999999, 0)},
        {"rounding takes a base above the top", "semanal", "9999999.995", "",
         error(InputField::kAmount, InputProblem::kBeyondTariff)},
        {"a sum rounds half a cent up", "anual", "0", "99.995", input(Period::kAnual, 0, 10000)},
        {"an empty sum is zero", "anual", "5", "", input(Period::kAnual, 500, 0)},
        {"a base of 10^13 is beyond the tariff", "mensual", "12345678901234.567", "",
         error(InputField::kAmount, InputProblem::kBeyondTariff)},
        {"a base beyond the range is beyond the tariff", "mensual", kFortyDigits, "",
         error(InputField::kAmount, InputProblem::kBeyondTariff)},
        {"a negative base beyond the range is negative", "mensual", "-" + kFortyDigits, "",
         error(InputField::kAmount, InputProblem::kNegative)},
        {"the largest amount is a sum", "anual", "0", largest,
         input(Period::kAnual, 0, Cents::kLargestCount)},
        {"the largest negative amount is a negative sum", "anual", "0", "-" + largest,
         error(InputField::kSubsidySum, InputProblem::kNegative)},
        {"an unknown period", "bimestral", "100", "",
         error(InputField::kPeriod, InputProblem::kUnknownPeriod)},
        {"an empty period", "", "100", "",
         error(InputField::kPeriod, InputProblem::kUnknownPeriod)},
        {"the period is checked first", "x", "y", "z",
         error(InputField::kPeriod, InputProblem::kUnknownPeriod)},
        {"a base with letters", "mensual", "12a", "",
         error(InputField::kAmount, InputProblem::kNotAnAmount)},
        {"an empty base", "mensual", "", "",
         error(InputField::kAmount, InputProblem::kNotAnAmount)},
        {"the base is checked before the sum", "anual", "x", "y",
         error(InputField::kAmount, InputProblem::kNotAnAmount)},
        {"a sum with a currency sign", "anual", "100", "$5", input(Period::kAnual, 10000, 500)},
        {"a spreadsheet's currency format", "mensual", "$7,500.00", "",
         input(Period::kMensual, 750000, 0)},
        {"blanks around a base and a period", "Quincenal\t", " 15000 ", "",
         input(Period::kQuincenal, 1500000, 0)},
        {"blanks after the currency sign", "mensual", " $ 1,234.5", "",
         input(Period::kMensual, 123450, 0)},
        {"a sign before the currency sign", "mensual", "-$5", "",
         error(InputField::kAmount, InputProblem::kNegative)},
        {"a sign after the currency sign", "mensual", "$-5", "",
         error(InputField::kAmount, InputProblem::kNegative)},
        {"a currency sign alone", "mensual", "$", "",
         error(InputField::kAmount, InputProblem::kNotAnAmount)},
        {"two currency signs", "mensual", "$$5", "",
         error(InputField::kAmount, InputProblem::kNotAnAmount)},
        {"two signs", "mensual", "-$-5", "",
         error(InputField::kAmount, InputProblem::kNotAnAmount)},
        {"a decimal comma", "mensual", "1500,50", "",
         error(InputField::kAmount, InputProblem::kMisplacedComma)},
        {"commas every two digits", "mensual", "1,50,00", "",
         error(InputField::kAmount, InputProblem::kMisplacedComma)},
        {"thousands by points, cents by a comma", "mensual", "1.500,50", "",
         error(InputField::kAmount, InputProblem::kMisplacedComma)},
        {"a group of four digits", "mensual", "1,2345", "",
         error(InputField::kAmount, InputProblem::kMisplacedComma)},
        {"a leading comma", "mensual", ",500", "",
         error(InputField::kAmount, InputProblem::kMisplacedComma)},
        {"a first group of four digits", "mensual", "1234,567", "",
         error(InputField::kAmount, InputProblem::kMisplacedComma)},
        {"a decimal comma in the sum", "anual", "1", "$2,5",
         error(InputField::kSubsidySum, InputProblem::kMisplacedComma)},
        {"groups of three, millions too", "mensual", "1,234,567.891", "",
         input(Period::kMensual, 123456789, 0)},
        {"a comma among letters is no amount", "mensual", "abc,1", "",
         error(InputField::kAmount, InputProblem::kNotAnAmount)},
        {"a bad sum for a period that ignores it", "semanal", "100", "-",
         error(InputField::kSubsidySum, InputProblem::kNotAnAmount)},
        {"a sum a cent above the largest", "anual", "100", "10,000,000,000,000,000.00",
         error(InputField::kSubsidySum, InputProblem::kBeyondRange)},
        {"a sum that rounds above the largest", "anual", "100", "9999999999999999.995",
         error(InputField::kSubsidySum, InputProblem::kBeyondRange)},
        {"a negative sum beyond the range is negative", "anual", "100", "-" + kFortyDigits,
         error(InputField::kSubsidySum, InputProblem::kNegative)},
        {"the base is checked before the sum is", "mensual", "-1", "-1",
         error(InputField::kAmount, InputProblem::kNegative)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = ReadCalculationInput(DefaultTableSet(), AmountRole::kBase, c.period,
                                               c.base, c.subsidySum);
        ASSERT_EQ(read.index(), c.expected.index());
        if (const auto* expected = std::get_if<CalculationInput>(&c.expected)) {
            const auto& got = std::get<CalculationInput>(read);
            EXPECT_EQ(got.period, expected->period);
            EXPECT_EQ(got.amount.Count(), expected->amount.Count());
            EXPECT_EQ(got.subsidySum.Count(), expected->subsidySum.Count());
        } else {
            const auto& expectedError = std::get<InputError>(c.expected);
            EXPECT_EQ(std::get<InputError>(read).field, expectedError.field);
            EXPECT_EQ(std::get<InputError>(read).problem, expectedError.problem);
        }
    }
}

// A row says all that is wrong with it at once, field by field.
TEST(ReadCalculationInput, NotesEveryFieldsProblem) {
    using Problems = std::vector<std::pair<InputField, InputProblem>>;
    struct Case {
        std::string name;
        std::string period;
        std::string base;
        std::string subsidySum;
        Problems expected;
    };
    const Case cases[] = {
        {"all three fields",
         "x",
         "1500,50",
         "-1",
         {{InputField::kPeriod, InputProblem::kUnknownPeriod},
          {InputField::kAmount, InputProblem::kMisplacedComma},
          {InputField::kSubsidySum, InputProblem::kNegative}}},
        {"an unknown period has no tariff to pass",
         "x",
         "100,000,000.00",
         "",
         {{InputField::kPeriod, InputProblem::kUnknownPeriod}}},
        {"a base and a sum",
         "anual",
         "abc",
         "1,2",
         {{InputField::kAmount, InputProblem::kNotAnAmount},
          {InputField::kSubsidySum, InputProblem::kMisplacedComma}}},
        {"none", "Mensual", "1", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InputErrors errors;
        const auto input = ReadCalculationInput(DefaultTableSet(), AmountRole::kBase, c.period,
                                                c.base, c.subsidySum, errors);
        Problems got;
        for (const InputError& error : errors.All()) got.emplace_back(error.field, error.problem);
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(input.has_value(), c.expected.empty());
    }
}

// Plain digits are read on a shorter path than grouped, signed or blank-padded texts: both must
// give what the grammar says, at the edges where one hands over to the other.
TEST(ReadWrittenAmount, PlainAndWrittenSpellingsReadAlike) {
    using Kind = TypedAmount::Kind;
    struct Case {
        std::string_view text;
        std::optional<TypedAmount> expected;  // nothing: a misplaced comma
    };
    const auto amount = [](std::int64_t count) {
        return std::optional{TypedAmount{Kind::kAmount, C(count)}};
    };
    const std::optional<TypedAmount> notAnAmount = TypedAmount{Kind::kNotAnAmount, Cents()};
    const Case cases[] = {
        {"152887.69", amount(15288769)},
        {"81", amount(8100)},
        {"007", amount(700)},
        {"7.", amount(700)},
        {"55.5", amount(5550)},
        {"0.01", amount(1)},
        {"2.675", amount(268)},  // a third decimal rounds
        {"1.005", amount(101)},
        {"0.004", amount(0)},
        {".5", amount(50)},  // no integer digit
        {"-5", amount(-500)},
        {" 15000 ", amount(1500000)},
        {"$7,500.00", amount(750000)},
        {"1,500.50", amount(150050)},
        {"999999999999999.99", amount(99999999999999999)},    // fifteen integer digits
        {"9999999999999999.99", amount(999999999999999999)},  // sixteen: the largest
        {"99999999999999999", TypedAmount{Kind::kBeyondRange, Cents::Largest()}},
        {"1,347.91", amount(134791)},
        {"0,123.45", amount(12345)},
        {"12,345", amount(1234500)},
        {"123,456.", amount(12345600)},
        {"1,234,567.8", amount(123456780)},
        {"999,999,999,999,999.99", amount(99999999999999999)},
        {"9,999,999,999,999,999.99", amount(999999999999999999)},
        {"99,999,999,999,999,999", TypedAmount{Kind::kBeyondRange, Cents::Largest()}},
        {"1,234.567", amount(123457)},
        {"1500,50", std::nullopt},
        {",123", std::nullopt},
        {"1234,567", std::nullopt},
        {"1,23", std::nullopt},
        {"1,2345", std::nullopt},
        {"1,234,56", std::nullopt},
        {"1,,234", std::nullopt},
        {"1,234,", std::nullopt},
        {"1,234.5,6", std::nullopt},
        {"1,234.x", notAnAmount},
        {"12.3.4", notAnAmount},
        {"1e5", notAnAmount},
        {"5.x", notAnAmount},
        {".", notAnAmount},
        {"", notAnAmount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = ReadWrittenAmount(c.text);
        ASSERT_EQ(read.has_value(), c.expected.has_value());
        if (!read) continue;
        EXPECT_EQ(read->kind, c.expected->kind);
        EXPECT_EQ(read->cents, c.expected->cents);
    }
}

}  // namespace
}  // namespace isr
