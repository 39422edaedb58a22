// SPDX-License-Identifier: MIT
#include "annual/iso_date.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace isr {
namespace {

struct DateCase {
    std::string_view text;
    std::optional<IsoDate> expected;
};

TEST(IsoDate, ReadsOnlyDaysOfTheCalendarWrittenYyyyMmDd) {
    const DateCase cases[] = {
        {"2016-01-01", IsoDate{2016, 1, 1}},
        {"2016-02-29", IsoDate{2016, 2, 29}},  // a leap year
        {"2000-02-29", IsoDate{2000, 2, 29}},  // a century divisible by 400
        {"2015-02-29", std::nullopt},
        {"1900-02-29", std::nullopt},  // a century that is not
        {"2016-04-31", std::nullopt},
        {"2016-12-31", IsoDate{2016, 12, 31}},
        {"2016-13-01", std::nullopt},
        {"2016-00-10", std::nullopt},
        {"2016-01-00", std::nullopt},
        {"0000-01-01", std::nullopt},
        {"2016-1-01", std::nullopt},
        {"2016/01/01", std::nullopt},
        {"+016-01-01", std::nullopt},
        {" 2016-01-01", std::nullopt},
        {"2016-01-01T00:00:00", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadIsoDate(c.text), c.expected);
        if (c.expected) {
            EXPECT_EQ(IsoDateText(*c.expected), c.text);
        }
    }
}

}  // namespace
}  // namespace isr
