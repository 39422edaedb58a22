// SPDX-License-Identifier: MIT
#include "presentation/days_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace isr {
namespace {

TEST(ReadDaysPaid, ReadsDaysWithUpToThreeDecimalsExactly) {
    const struct {
        std::string_view text;
        std::optional<std::int32_t> thousandths;
    } cases[] = {
        {"15", 15'000},
        {"15.2", 15'200},
        {"15.200", 15'200},
        {"0.001", 1},
        {".5", 500},
        {"7.", 7'000},
        {"0", 0},
        {"366", 366'000},
        {"366.001", 366'001},
        {"045.625", 45'625},
        {"99999999999999999999", 366'001},
        {"15.2001", std::nullopt},
        {"", std::nullopt},
        {".", std::nullopt},
        {"-1", std::nullopt},
        {"1,5", std::nullopt},
        {" 15", std::nullopt},
        {"1e2", std::nullopt},
        {"1.2.3", std::nullopt},
        {"+3", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = ReadDaysPaid(c.text);
        ASSERT_EQ(read.has_value(), c.thousandths.has_value());
        if (read) {
            EXPECT_EQ(read->thousandths, *c.thousandths);
        }
    }
}

TEST(FindDaysMethod, NamesBothMethodsInAnyCase) {
    EXPECT_EQ(FindDaysMethod("tabla"), DaysMethod::kTabla);
    EXPECT_EQ(FindDaysMethod("MENSUAL"), DaysMethod::kMensual);
    EXPECT_EQ(FindDaysMethod("mensual "), std::nullopt);
    EXPECT_EQ(FindDaysMethod("30.4"), std::nullopt);
}

}  // namespace
}  // namespace isr
