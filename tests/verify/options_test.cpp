// SPDX-License-Identifier: MIT
#include "verify/options.h"

#include <gtest/gtest.h>

#include <vector>

#include "tariffs/periods.h"

namespace isr::verify {
namespace {

TEST(ParseOptions, AcceptsStrideAndPeriod) {
    struct Case {
        std::vector<std::string_view> args;
        std::int64_t stride;
        std::optional<int> period;
    };
    const Case cases[] = {{{}, 1, std::nullopt},
                          {{"--stride", "37"}, 37, std::nullopt},
                          {{"--period", "anual"}, 1, kAnual},
                          {{"--period", "Quincenal", "--stride", "1000"}, 1000, kQuincenal}};
    for (const auto& c : cases) {
        const auto parsed = ParseOptions(c.args);
        ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<std::string>(parsed);
        EXPECT_EQ(std::get<Options>(parsed).stride, c.stride);
        EXPECT_EQ(std::get<Options>(parsed).period, c.period);
    }
}

TEST(ParseOptions, RefusesWhatItCannotRun) {
    const std::vector<std::string_view> cases[] = {
        {"--stride"},       {"--stride", "0"}, {"--stride", "-5"},
        {"--stride", "3x"}, {"--stride", ""},  {"--period", "Anuel"},
        {"--period"},       {"--full"},        {"37"}};
    for (const auto& args : cases) {
        EXPECT_TRUE(std::holds_alternative<std::string>(ParseOptions(args))) << args.size();
    }
}

}  // namespace
}  // namespace isr::verify
