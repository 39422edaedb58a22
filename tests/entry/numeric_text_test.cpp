// SPDX-License-Identifier: MIT
#include "entry/numeric_text.h"

#include <gtest/gtest.h>

#include <string>

namespace isr {
namespace {

TEST(IsNumeric, AcceptsNumbersAsTheFieldsHoldThem) {
    for (const std::string_view text : {"0", "7", "0.", ".5", "12.5", "1,234.50", "1,234.507",
                                        "1,34.50", "-5", "-.5", ",5", "00012", "99,999,999.99"}) {
        EXPECT_TRUE(IsNumeric(text)) << text;
    }
    EXPECT_TRUE(IsNumeric(std::string(308, '9')));  // still below the largest double
}

TEST(IsNumeric, RefusesTextsThatAreNoAmount) {
    const std::string_view refused[] = {"",     ".",    "-",   "-.",  ",",    " 5",        "5 ",
                                        "+5",   "5-",   "$5",  "5$",  "1e5",  "1,2,3.4.5", "a",
                                        "12a5", "1.2.", "--1", "\t1", "1 000"};
    for (const auto text : refused) EXPECT_FALSE(IsNumeric(text)) << "\"" << text << "\"";
}

TEST(IsNumeric, AValueTooLargeForADoubleIsNoAmount) {
    EXPECT_FALSE(IsNumeric(std::string(400, '9')));
    EXPECT_FALSE(IsNumeric("-" + std::string(400, '1')));
    EXPECT_FALSE(IsNumeric(std::string(309, '9') + ".5"));
    EXPECT_TRUE(IsNumeric("0." + std::string(400, '1')));  // long but small: fine
}

}  // namespace
}  // namespace isr
