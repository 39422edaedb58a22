// SPDX-License-Identifier: MIT
// The figures a calculation carries beyond its boxes.
#include "calc/withholding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "money/amount_text.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

// What the result subtracts and what it leaves: the period's subsidy or the annual subsidy sum,
// and the base less the result, which may pass what an amount holds.
TEST(Withholding, CarriesTheCreditAndTheNet) {
    const struct {
        std::string_view name;
        Period period;
        std::string_view base;
        std::string_view subsidySum;
        std::string_view credit;
        std::optional<std::string_view> net;
    } cases[] = {
        {"a subsidy row that pays", Period::kMensual, "5,000.00", "0", "324.87", "4,991.72"},
        {"no income, no row", Period::kMensual, "0.00", "0", "0.00", "0.00"},
        {"a subsidy row that pays nothing", Period::kQuincenal, "200,000.00", "0", "0.00",
         "134,487.97"},
        {"the annual subsidy sum", Period::kAnual, "100,000.00", "3,000.00", "3,000.00",
         "94,076.41"},
        {"a sum only the monthly periods ignore", Period::kMensual, "5,000.00", "3,000.00",
         "324.87", "4,991.72"},
        {"a net past the largest amount", Period::kAnual, "1.00", "9,999,999,999,999,999.99",
         "9,999,999,999,999,999.99", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Withholding w = Calculate(DefaultTableSet(), c.period, ReadAmount(c.base).cents,
                                        ReadAmount(c.subsidySum).cents);
        EXPECT_EQ(AmountText(w.credit).String(), c.credit);
        const auto net = w.Net();
        EXPECT_EQ(net ? std::optional(AmountText(*net).String()) : std::nullopt, c.net);
    }
}

}  // namespace
}  // namespace isr
