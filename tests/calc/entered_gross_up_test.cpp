// SPDX-License-Identifier: MIT
// The gross-up on typed texts: what GrossUpEntered reads, and when it gives no answer. The
// gross-up itself is tested in gross_up_test.cpp.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "calc/entered_calculation.h"
#include "money/amount_text.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

TEST(GrossUpEntered, ReadsTheTypedTargetAndSum) {
    struct Case {
        std::string_view name;
        Period period;
        std::string_view target;
        std::string_view subsidySum;
        std::optional<std::string_view> base;  // nothing: no answer
    };
    using enum Period;
    constexpr std::string_view kBeyondAnyAmount = "10,000,000,000,000,000";
    const Case cases[] = {
        // 7,373.79 nets 7,373.79 - 591.40 + 217.61 (see gross_up_test.cpp).
        {"a formatted target", kMensual, "7,000.00", "0", "7,373.79"},
        {"the same target as typed", kMensual, "7000", "0", "7,373.79"},
        {"a target that is no amount reads as zero", kMensual, "abc", "0", "0.00"},
        {"a target beyond any amount is beyond the tables", kMensual, kBeyondAnyAmount, "0",
         std::nullopt},
        // With no row at 0.00 the annual net of nothing is the subsidy sum itself; 0.01 adds a
        // cent and no tax (0.01 x 1.92 % rounds to nothing).
        {"the annual sum is the net of no income", kAnual, "1,200.00", "1,200.00", "0.00"},
        {"a cent more takes a cent of income", kAnual, "1,200.01", "1200", "0.01"},
        {"an annual sum beyond any amount gives no answer", kAnual, "0", kBeyondAnyAmount,
         std::nullopt},
        {"other periods ignore that sum", kMensual, "0", kBeyondAnyAmount, "0.00"},
        // Cut to the largest amount, the target would be met by the net of no income.
        {"a target beyond any amount is refused where the sum nets the largest", kAnual,
         "99999999999999999999", "9,999,999,999,999,999.99", std::nullopt},
        {"the largest target itself is met there", kAnual, "9,999,999,999,999,999.99",
         "9,999,999,999,999,999.99", "0.00"},
        {"a negative annual sum gives no answer", kAnual, "1,000.00", "-9,999,999,999,999,999.99",
         std::nullopt},
        {"nor does a small one", kAnual, "0", "-0.01", std::nullopt},
        {"other periods ignore a negative sum", kMensual, "0", "-5", "0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = GrossUpEntered(DefaultTableSet(), c.period, c.target, c.subsidySum);
        ASSERT_EQ(found.has_value(), c.base.has_value());
        if (found) {
            EXPECT_EQ(AmountText(found->base).View(), *c.base);
        }
    }
}

}  // namespace
}  // namespace isr
