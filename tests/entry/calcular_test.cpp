// SPDX-License-Identifier: MIT
#include "entry/calcular.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_entry_field.h"
#include "tariffs/program_tables.h"

namespace isr {
namespace {

struct Shown {
    ResultBox box;
    std::string text;
};

// The click formats the enabled fields before reading them: a base that rounds up onto a row's
// lower limit calculates in that row, a disabled subsidy sum is neither formatted nor counted.
TEST(Calcular, FormatsTheEnabledFieldsThenShowsEveryBoxOnceInOrder) {
    struct Case {
        std::string_view name;
        int periodListIndex;
        std::string base;
        std::string sum;
        bool sumEnabled;
        std::string baseShown;
        std::string sumShown;
        std::string lowerLimit;  // of the ISR row
        std::string fixedFee;
        std::string result;
    };
    const Case cases[] = {
        {"Mensual rounds onto row 2", 0, "4210.415", "abc", false, "4,210.42", "abc", "4,210.42",
         "247.23", "-135.23"},
        {"Anual counts the formatted sum", 1, "5952.845", "99.995", true, "5,952.85", "100.00",
         "5,952.85", "114.29", "14.29"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryTextField base("N", c.base);
        MemoryTextField sum("N", c.sum);
        sum.SetEnabled(c.sumEnabled);
        std::vector<Shown> shown;
        Calcular(kProgramTables, c.periodListIndex, base, sum,
                 [&](ResultBox box, std::string_view text) {
                     shown.push_back({box, std::string(text)});
                 });
        EXPECT_EQ(base.Text(), c.baseShown);
        EXPECT_EQ(sum.Text(), c.sumShown);
        ASSERT_EQ(shown.size(), kResultBoxes.size());
        for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i].box, kResultBoxes[i]);
        EXPECT_EQ(shown[0].text, c.lowerLimit);
        EXPECT_EQ(shown[1].text, "0.00");  // the excess over the lower limit
        EXPECT_EQ(shown[3].text, c.fixedFee);
        EXPECT_EQ(shown[8].text, c.result);
    }
}

TEST(Calcular, WithoutAPeriodFormatsTheFieldsAndShowsNothing) {
    MemoryTextField base("N", "7.5");
    MemoryTextField sum("N", "1");
    bool anyShown = false;
    Calcular(kProgramTables, -1, base, sum, [&](ResultBox, std::string_view) { anyShown = true; });
    EXPECT_EQ(base.Text(), "7.50");
    EXPECT_EQ(sum.Text(), "1.00");
    EXPECT_FALSE(anyShown);
}

}  // namespace
}  // namespace isr
