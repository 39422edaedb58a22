// SPDX-License-Identifier: MIT
// The calculation behind "&Calcular", seen through the nine result boxes as the window shows them.
#include "presentation/box_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "calc/entered_calculation.h"
#include "tariffs/program_tables.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

// In the window's order: ISR lower limit, excess, rate, fixed fee, determined tax; subsidy lower
// limit, upper limit, subsidy; result.
using Boxes = std::array<std::string, kResultBoxes.size()>;

Boxes BoxTexts(const Withholding& w) {
    Boxes texts;
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i) {
        texts[i] = BoxText(w, kResultBoxes[i]).String();
    }
    return texts;
}

const Boxes kNoRowAtAll = {"0", "0", "0", "0", "0.00", "0", "0", "0", "0.00"};

TEST(Withholding, WorkedExamplesShowEveryBox) {
    struct Case {
        std::string_view name;
        Period period;
        Cents base;
        Cents subsidySum;
        Boxes boxes;
    };
    using enum Period;
    const Cents zero;
    const Case cases[] = {
        {"monthly 3,000.00",
         kMensual,
         TableAmount("3000"),
         zero,
         {"496.08", "2,503.92", "6.40", "9.52", "169.77", "2,653.39", "3,472.84", "406.62",
          "-236.85"}},
        {"monthly 10,000.00",
         kMensual,
         TableAmount("10000"),
         zero,
         {"8,601.51", "1,398.49", "17.92", "786.54", "1,037.15", "7,382.34", "99,999,999.99",
          "0.00", "1,037.15"}},
        {"annual 100,000.00 with 1,200.00 of subsidy paid",
         kAnual,
         TableAmount("100000"),
         TableAmount("1200"),
         {"88,793.05", "11,206.95", "16.00", "7,130.48", "8,923.59", "0", "0", "0", "7,723.59"}},
        {"weekly 1,000.00",
         kSemanal,
         TableAmount("1000"),
         zero,
         {"969.51", "30.49", "10.88", "56.91", "60.23", "814.67", "1,023.75", "88.06", "-27.83"}},
        // 0.25 x 34 % = 0.085: the tax is 21,737.655, shown and used as 21,737.66.
        {"a half cent of tax rounds up",
         kMensual,
         TableAmount("83333.59"),
         zero,
         {"83,333.34", "0.25", "34.00", "21,737.57", "21,737.66", "7,382.34", "99,999,999.99",
          "0.00", "21,737.66"}},
        // 1,000.05 x 30 % = 300.015: the tax 74,003.425 is rounded to 74,003.43 before the sum
        // is subtracted. Subtracting first would give -25,996.575, shown as -25,996.58.
        {"the tax is rounded before the subsidy sum is subtracted",
         kAnual,
         TableAmount("393842.02"),
         TableAmount("100000"),
         {"392,841.97", "1,000.05", "30.00", "73,703.41", "74,003.43", "0", "0", "0",
          "-25,996.57"}},
        {"nothing earned, as the window opens", kMensual, zero, zero, kNoRowAtAll},
        {"annual with nothing earned subtracts the sum",
         kAnual,
         zero,
         TableAmount("500"),
         {"0", "0", "0", "0", "0.00", "0", "0", "0", "-500.00"}},
        {"an annual sum larger than the tax",
         kAnual,
         TableAmount("6000"),
         TableAmount("1234.56"),
         {"5,952.85", "47.15", "6.40", "114.29", "117.31", "0", "0", "0", "-1,117.25"}},
        {"other periods ignore the sum",
         kQuincenal,
         TableAmount("41118.42"),
         TableAmount("99999"),
         {"30,838.83", "10,279.59", "32.00", "7,436.43", "10,725.90", "3,642.61", "9,999,999.99",
          "0.00", "10,725.90"}},
        {"the excess grouped in threes",
         kMensual,
         TableAmount("1484901.24"),
         zero,
         {"250,000.01", "1,234,901.23", "35.00", "78,404.23", "510,619.66", "7,382.34",
          "99,999,999.99", "0.00", "510,619.66"}},
        {"the weekly sentinel, the largest excess of its tariff",
         kSemanal,
         TableAmount("9999999.99"),
         zero,
         {"57,565.80", "9,942,434.19", "35.00", "18,053.61", "3,497,905.58", "1,699.89",
          "9,999,999.99", "0.00", "3,497,905.58"}},
        {"weekly above the top of its tables", kSemanal, TableAmount("10000000"), zero,
         kNoRowAtAll},
        {"a negative base", kCatorcenal, -TableAmount("5"), zero, kNoRowAtAll},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BoxTexts(Calculate(kProgramTables, c.period, c.base, c.subsidySum)), c.boxes);
    }
}

TEST(Withholding, EnteredTextsAreReadExactlyAndNeverWrapIntoARow) {
    struct Case {
        std::string_view name;
        Period period;
        std::string_view base;
        std::string_view subsidySum;
        Boxes boxes;
    };
    using enum Period;
    const Boxes annual100000 = {"88,793.05", "11,206.95", "16.00", "7,130.48", "8,923.59",
                                "0",         "0",         "0",     "7,723.59"};
    const Case cases[] = {
        {"the texts as the fields show them", kAnual, "100,000.00", "1,200.00", annual100000},
        {"a half cent typed is read as the cent above",
         kMensual,
         "496.075",
         "0",
         {"496.08", "0.00", "6.40", "9.52", "9.52", "0.01", "1,768.96", "407.02", "-397.50"}},
        {"a base beyond any amount is in no row", kMensual, "12,345,678,901,234,567,890", "0",
         kNoRowAtAll},
        {"and so is its negative", kMensual, "-99,999,999,999,999,999", "0", kNoRowAtAll},
        {"a base that is no amount reads as zero", kMensual, "abc", "0", kNoRowAtAll},
        {"a subsidy sum beyond any amount leaves the annual result blank",
         kAnual,
         "100,000.00",
         "10,000,000,000,000,000",
         {"88,793.05", "11,206.95", "16.00", "7,130.48", "8,923.59", "0", "0", "0", "0"}},
        {"and so does its negative",
         kAnual,
         "0",
         "-10,000,000,000,000,000",
         {"0", "0", "0", "0", "0.00", "0", "0", "0", "0"}},
        {"the largest sum still gives a result",
         kAnual,
         "0",
         "9,999,999,999,999,999.99",
         {"0", "0", "0", "0", "0.00", "0", "0", "0", "-9,999,999,999,999,999.99"}},
        {"a negative sum that takes the result past any amount leaves it blank",
         kAnual,
         "100,000.00",
         "-9,999,999,999,999,999.99",
         {"88,793.05", "11,206.95", "16.00", "7,130.48", "8,923.59", "0", "0", "0", "0"}},
        {"a negative sum within it adds to the tax",
         kAnual,
         "100,000.00",
         "-1,200.00",
         {"88,793.05", "11,206.95", "16.00", "7,130.48", "8,923.59", "0", "0", "0", "10,123.59"}},
        {"a sum beyond any amount counts for nothing in other periods",
         kMensual,
         "10,000.00",
         "10,000,000,000,000,000",
         {"8,601.51", "1,398.49", "17.92", "786.54", "1,037.15", "7,382.34", "99,999,999.99",
          "0.00", "1,037.15"}},
        {"a sum that is no amount reads as zero",
         kAnual,
         "100,000.00",
         "abc",
         {"88,793.05", "11,206.95", "16.00", "7,130.48", "8,923.59", "0", "0", "0", "8,923.59"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BoxTexts(CalculateEntered(kProgramTables, c.period, c.base, c.subsidySum)),
                  c.boxes);
    }
}

}  // namespace
}  // namespace isr
