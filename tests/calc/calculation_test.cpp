// SPDX-License-Identifier: MIT
#include "calc/calculation.h"

#include <gtest/gtest.h>

#include <string>

#include "tariffs/periods.h"

namespace isr {
namespace {

struct Example {
    std::string name;
    int period;
    std::string base;
    std::string pagos;
    ResultBoxes expected;
};

ResultBoxes Boxes(std::array<std::string, 5> isr, std::array<std::string, 3> sub, std::string ret) {
    return ResultBoxes{std::move(isr), std::move(sub), {std::move(ret)}};
}

TEST(Calculation, WorkedExamplesShowEveryBox) {
    const Example examples[] = {
        {"monthly 3,000.00", kMensual, "3,000.00", "0.00",
         Boxes({"496.08", "2,503.92", "6.40", "9.52", "169.77"}, {"2,653.39", "3,472.84", "406.62"},
               "-236.85")},
        {"monthly 10,000.00", kMensual, "10,000.00", "0.00",
         Boxes({"8,601.51", "1,398.49", "17.92", "786.54", "1,037.15"},
               {"7,382.34", "99,999,999.99", "0.00"}, "1,037.15")},
        {"annual 100,000.00 with 1,200.00 paid", kAnual, "100,000.00", "1,200.00",
         Boxes({"88,793.05", "11,206.95", "16.00", "7,130.48", "8,923.59"}, {"0", "0", "0"},
               "7,723.59")},
        {"weekly 1,000.00", kSemanal, "1,000.00", "0.00",
         Boxes({"969.51", "30.49", "10.88", "56.91", "60.23"}, {"814.67", "1,023.75", "88.06"},
               "-27.83")},
        {"monthly half cent of tax rounds up", kMensual, "83,333.59", "0",
         Boxes({"83,333.34", "0.25", "34.00", "21,737.57", "21,737.66"},
               {"7,382.34", "99,999,999.99", "0.00"}, "21,737.66")},
        {"initial window", kMensual, "0", "0",
         Boxes({"0", "0", "0", "0", "0.00"}, {"0", "0", "0"}, "0.00")},
        {"annual with nothing earned subtracts the sum", kAnual, "0", "500",
         Boxes({"0", "0", "0", "0", "0.00"}, {"0", "0", "0"}, "-500.00")},
        {"annual sum larger than the tax", kAnual, "6,000.00", "1,234.56",
         Boxes({"5,952.85", "47.15", "6.40", "114.29", "117.31"}, {"0", "0", "0"}, "-1,117.25")},
        {"other periods ignore the sum", kQuincenal, "41,118.42", "99,999.00",
         Boxes({"30,838.83", "10,279.59", "32.00", "7,436.43", "10,725.90"},
               {"3,642.61", "9,999,999.99", "0.00"}, "10,725.90")},
        {"between two tax brackets by half a cent, inside a subsidy row", kMensual, "496.075", "0",
         Boxes({"0", "0", "0", "0", "0.00"}, {"0.01", "1,768.96", "407.02"}, "-407.02")},
        {"weekly above the top of its tables", kSemanal, "10,000,000.00", "0",
         Boxes({"0", "0", "0", "0", "0.00"}, {"0", "0", "0"}, "0.00")},
        {"a text that is no number reads as zero", kMensual, "abc", "0",
         Boxes({"0", "0", "0", "0", "0.00"}, {"0", "0", "0"}, "0.00")},
        {"excess grouped in threes", kMensual, "1,484,901.24", "0",
         Boxes({"250,000.01", "1,234,901.23", "35.00", "78,404.23", "510,619.66"},
               {"7,382.34", "99,999,999.99", "0.00"}, "510,619.66")},
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.name);
        ResultBoxes boxes;
        Calculate(e.period, e.base, e.pagos, boxes);
        EXPECT_EQ(boxes.txtISR08, e.expected.txtISR08);
        EXPECT_EQ(boxes.txtSUB08, e.expected.txtSUB08);
        EXPECT_EQ(boxes.txtRet08, e.expected.txtRet08);
    }
}

TEST(Calculation, EachClickStartsFromClearedBoxesAndRepeatsItself) {
    ResultBoxes boxes;
    Calculate(kMensual, "3,000.00", "0", boxes);
    const auto first = boxes;
    Calculate(kAnual, "0", "0", boxes);  // no lookup matches: nothing of the last click remains
    EXPECT_EQ(boxes.txtISR08[0], "0");
    EXPECT_EQ(boxes.txtSUB08[2], "0");
    Calculate(kMensual, "3,000.00", "0", boxes);
    EXPECT_EQ(boxes, first);
}

TEST(Calculation, ClearCalcResetsTheLookupBoxesOnly) {
    ResultBoxes boxes;
    Calculate(kMensual, "3,000.00", "0", boxes);
    clear_calc(boxes);
    EXPECT_EQ(boxes.txtISR08, (std::array<std::string, 5>{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(boxes.txtSUB08, (std::array<std::string, 3>{"0", "0", "0"}));
    EXPECT_EQ(boxes.txtRet08[0], "-236.85");
}

TEST(Calculation, TheTaxIsMadeOfTheDisplayedFigures) {
    // 1,398.49 x 17.92 / 100 + 786.54 = 1,037.149408; the unrounded excess would give the same
    // cents here, so check the read-back directly.
    ResultBoxes boxes;
    Calculate(kMensual, "10,000.00", "0", boxes);
    const auto shown = ShownIsrBreakdown(boxes);
    EXPECT_EQ(shown.excess, 1398.49);
    EXPECT_EQ(shown.ratePercent, 17.92);
    EXPECT_EQ(shown.fixedFee, 786.54);
    EXPECT_EQ(shown.lowerLimit, 8601.51);
}

}  // namespace
}  // namespace isr
