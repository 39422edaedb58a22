// SPDX-License-Identifier: MIT
#include "verify/options.h"

#include <gtest/gtest.h>

#include <vector>

#include "tariffs/periods.h"

namespace isr::verify {
namespace {

TEST(ParseOptions, AcceptsEachOption) {
    struct Case {
        std::vector<std::string_view> args;
        std::int64_t stride;
        std::optional<Period> period;
        std::int64_t texts;
        std::string_view tables = "anexo8";
        bool grossUp = false;
        bool payments = false;
        bool tablesGiven = false;
        bool days = false;
    };
    const Case cases[] = {
        {{}, 1, std::nullopt, 1'000'000},
        {{"--stride", "37"}, 37, std::nullopt, 1'000'000},
        {{"--period", "anual"}, 1, Period::kAnual, 1'000'000},
        {{"--texts", "0"}, 1, std::nullopt, 0},
        {{"--period", "Quincenal", "--texts", "250", "--stride", "1000"},
         1000,
         Period::kQuincenal,
         250},
        {{"--tablas", "programa", "--neto"}, 1, std::nullopt, 1'000'000, "programa", true, false, true},
        {{"--pago", "--stride", "7"}, 7, std::nullopt, 1'000'000, "anexo8", false, true, false},
        {{"--dias", "--tablas", "anexo8"},
         1,
         std::nullopt,
         1'000'000,
         "anexo8",
         false,
         false,
         true,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const auto parsed = ParseOptions(c.args);
        ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<std::string>(parsed);
        EXPECT_EQ(std::get<Options>(parsed).stride, c.stride);
        EXPECT_EQ(std::get<Options>(parsed).period, c.period);
        EXPECT_EQ(std::get<Options>(parsed).texts, c.texts);
        EXPECT_EQ(std::get<Options>(parsed).tables->Name(), c.tables);
        EXPECT_EQ(std::get<Options>(parsed).grossUp, c.grossUp);
        EXPECT_EQ(std::get<Options>(parsed).payments, c.payments);
        EXPECT_EQ(std::get<Options>(parsed).tablesGiven, c.tablesGiven);
        EXPECT_EQ(std::get<Options>(parsed).days, c.days);
    }
}

TEST(ParseOptions, RefusesWhatItCannotRun) {
    const std::vector<std::string_view> cases[] = {
        {"--stride"},         {"--stride", "0"},      {"--stride", "-5"},   {"--stride", "3x"},
        {"--stride", ""},     {"--period", "Anuel"},  {"--period"},         {"--texts"},
        {"--texts", "-1"},    {"--texts", "1e6"},     {"--full"},           {"37"},
        {"--tablas"},         {"--tablas", "anexo9"}, {"--neto", "--pago"}, {"--pago", "--neto"},
        {"--dias", "--neto"}, {"--pago", "--dias"}};
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        EXPECT_TRUE(std::holds_alternative<std::string>(ParseOptions(args)));
    }
}

}  // namespace
}  // namespace isr::verify
