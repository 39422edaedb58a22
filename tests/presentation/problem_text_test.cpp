// SPDX-License-Identifier: MIT
#include "presentation/problem_text.h"

#include <gtest/gtest.h>

namespace isr {
namespace {

// The words follow whatever the message says before them, and give the largest amount.
TEST(ProblemText, BeyondRangeGivesTheLargestAmount) {
    const struct {
        std::string before;
        std::string said;
    } cases[] = {
        {"", "fuera de rango (a lo sumo 9,999,999,999,999,999.99)"},
        {"Importe: ", "Importe: fuera de rango (a lo sumo 9,999,999,999,999,999.99)"},
    };
    for (const auto& c : cases) {
        std::string message = c.before;
        AppendBeyondRange(message);
        EXPECT_EQ(message, c.said);
    }
}

}  // namespace
}  // namespace isr
