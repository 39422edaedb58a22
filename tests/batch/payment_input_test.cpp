// SPDX-License-Identifier: MIT
#include "batch/payment_input.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tariffs/program_tables.h"

namespace isr {
namespace {

// Every text that cannot be read is named, in the order of the fields; only texts that all read
// reach the calculation, whose one problem is then named in the same type.
TEST(CalculatePaymentTexts, NamesEveryFieldAtFaultWithTheCalculationsOwnFields) {
    struct Case {
        std::string_view name;
        std::vector<std::string_view> texts;  // concept, income, payment, Sundays, minimum wage
        std::vector<PaymentError> errors;     // none: calculated
    };
    using enum PaymentField;
    using enum InputProblem;
    const std::string_view tooLarge = "99999999999999999999";
    const Case cases[] = {
        {"every text reads", {"aguinaldo", "10,000.00", "$5000", "", ""}, {}},
        {"no text reads",
         {"bono", "x", "5,0,0", "1.5", "abc"},
         {{kConcept, kUnknownConcept},
          {kOrdinaryIncome, kNotAnAmount},
          {kPayment, kMisplacedComma},
          {kSundays, kNotSundays},
          {kMinimumWage, kNotAnAmount}}},
        {"an income beyond the tariff is named before a payment beyond the range",
         {"ptu", "100000000", tooLarge, "", ""},
         {{kOrdinaryIncome, kBeyondTariff}, {kPayment, kBeyondRange}}},
        {"Sundays too many to count",
         {"prima-dominical", "1", "2", tooLarge, ""},
         {{kSundays, kOutOfRange}}},
        {"a minimum wage beyond the range",
         {"aguinaldo", "1", "2", "", tooLarge},
         {{kMinimumWage, kBeyondRange}}},
        {"the calculation's problem: Sundays of an aguinaldo",
         {"aguinaldo", "1", "2", "1", ""},
         {{kSundays, kNotForConcept}}},
        {"the calculation's problem: a negative income",
         {"ptu", "-5", "2", "", ""},
         {{kOrdinaryIncome, kNegative}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PaymentInput input{};
        const auto result = CalculatePaymentTexts(kProgramTables, input, c.texts[0], c.texts[1],
                                                  c.texts[2], c.texts[3], c.texts[4]);
        if (c.errors.empty()) {
            EXPECT_TRUE(std::holds_alternative<ExtraordinaryPayment>(result));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<PaymentErrors>(result));
        const auto all = std::get<PaymentErrors>(result).All();
        EXPECT_EQ(std::vector<PaymentError>(all.begin(), all.end()), c.errors);
    }
}

}  // namespace
}  // namespace isr
