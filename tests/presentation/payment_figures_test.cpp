// SPDX-License-Identifier: MIT
#include "presentation/payment_figures.h"

#include <gtest/gtest.h>

#include <string_view>

namespace isr {
namespace {

TEST(PercentText, ShowsTheRateWithFourDecimals) {
    struct Case {
        std::string_view name;
        PercentFraction rate;
        std::string_view text;
    };
    const Case cases[] = {
        {"a third rounds down", {1, 3}, "33.3333"},
        {"two thirds round up", {2, 3}, "66.6667"},
        {"below zero rounds away from zero", {-2, 3}, "-66.6667"},
        {"a half ten-thousandth rounds up", {1, 80'000}, "0.0013"},
        {"a negative half rounds down", {-1, 80'000}, "-0.0013"},
        {"a rate of nothing", {0, 1}, "0.0000"},
        {"thousands are grouped", {1000, 1}, "100,000.0000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PercentText(c.rate), c.text);
    }
}

}  // namespace
}  // namespace isr
