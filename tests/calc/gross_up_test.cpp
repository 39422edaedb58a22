// SPDX-License-Identifier: MIT
// The gross-up against nets worked out by hand from the program's tables. A net is
// base - (round(excess x rate) + fixed fee - subsidy); "tax" below is the part in brackets
// before the subsidy. Every other target of every period is checked by isr2016-verify --neto.
#include "calc/gross_up.h"

#include <gtest/gtest.h>

#include <string_view>

#include "money/amount_text.h"
#include "tariffs/program_tables.h"

namespace isr {
namespace {

// "7,000.00" as cents.
Cents C(std::string_view amount) {
    return ReadAmount(amount).cents;
}

TEST(GrossUp, FindsTheCheapestBaseThatPaysTheTarget) {
    struct Case {
        std::string_view name;
        Period period;
        std::string_view target;
        std::string_view subsidySum;
        std::string_view base;
        std::string_view net;
        bool exact;
    };
    using enum Period;
    const Case cases[] = {
        // Base 0.00 matches no row and nets 0.00; 0.01 is in the first rows: no tax on an
        // excess of 0.00, a subsidy of 407.02, a net of 407.03.
        {"a target of nothing needs no income", kMensual, "0.00", "0.00", "0.00", "0.00", true},
        {"a target below zero needs no income either", kMensual, "-5.00", "0.00", "0.00", "0.00",
         false},
        {"a cent of net takes the first cent of base, which nets far more", kMensual, "0.01",
         "0.00", "0.01", "407.03", false},
        // 0.02: 0.01 x 1.92 % rounds to nothing, 0.02 + 407.02 = 407.04.
        {"a cent above the net of 0.01 takes the next cent", kMensual, "407.04", "0.00", "0.02",
         "407.04", true},

        // Row 4,210.42 to 7,399.42 (fee 247.23, 10.88 %), subsidy 217.61 up to 7,382.33:
        // 7,373.79 has an excess of 3,163.37, tax 344.17 + 247.23 = 591.40, net
        // 7,373.79 - 591.40 + 217.61 = 7,000.00; at 7,373.78 the tax is the same, net 6,999.99.
        {"a round monthly net between row limits", kMensual, "7,000.00", "0.00", "7,373.79",
         "7,000.00", true},

        // The subsidy step from 7,382.33 (217.61) to 7,382.34 (nothing): the tax is 592.33 at
        // both, so the net falls from 7,007.61 to 6,790.01. At 7,382.32 it is 7,007.60.
        {"the highest net before the monthly subsidy ends", kMensual, "7,007.61", "0.00",
         "7,382.33", "7,007.61", true},
        // Past the step the net climbs back: 7,399.42 nets 6,805.23, then row 7,399.43 (fee
        // 594.21, 16 %) from 6,805.22; 7,640.38 has an excess of 240.95, tax 38.55 + 594.21,
        // net 7,007.62, and 7,640.37 nets 7,007.61.
        {"a cent more is found only where the net climbs back", kMensual, "7,007.62", "0.00",
         "7,640.38", "7,007.62", true},
        // 6,805.23 is netted after the step at 7,399.42, but first before it: 7,155.25 has an
        // excess of 2,944.83, tax 320.40 + 247.23, net 7,155.25 - 567.63 + 217.61 = 6,805.23;
        // 7,155.24 nets 6,805.22.
        {"a net reached both before and after the step is found before it", kMensual, "6,805.23",
         "0.00", "7,155.25", "6,805.23", true},

        // The small step at 1,768.96/1,768.97 (subsidy 407.02 then 406.83), row 496.08 (fee
        // 9.52, 6.4 %): 1,768.96 has tax 81.46 + 9.52, net 2,085.00 (1,768.95: 2,084.99);
        // 1,768.97 nets 2,084.82. 1,769.18 has an excess of 1,273.10, tax 81.48 + 9.52, net
        // 1,769.18 - 91.00 + 406.83 = 2,085.01, and 1,769.17 nets 2,085.00.
        {"below a step of 0.19 of subsidy", kMensual, "2,085.00", "0.00", "1,768.96", "2,085.00",
         true},
        {"above a step of 0.19 of subsidy", kMensual, "2,085.01", "0.00", "1,769.18", "2,085.01",
         true},

        // Quincenal, the subsidy ends after 3,642.60 (107.40), row 2,077.51 (fee 121.95,
        // 10.88 %): 3,642.60 has tax 170.28 + 121.95, net 3,457.77 (3,642.59: 3,457.76). After
        // it the row ends at 3,651.00 netting 3,357.85; row 3,651.01 (fee 293.25, 16 %) reaches
        // 3,457.78 at 3,770.08: excess 119.07, tax 19.05 + 293.25 (3,770.07 nets 3,457.77).
        {"the highest fortnightly net before the subsidy ends", kQuincenal, "3,457.77", "0.00",
         "3,642.60", "3,457.77", true},
        {"a fortnightly cent more is found after the row ends", kQuincenal, "3,457.78", "0.00",
         "3,770.08", "3,457.78", true},
        // Row limits 8,601.50/8,601.51 (fees 594.21 at 16 % and 786.54): taxes 192.33 + 594.21
        // and 786.54, nets 7,814.96 and 7,814.97; 8,601.49 nets 7,814.95.
        {"the last cent of an ISR row", kMensual, "7,814.96", "0.00", "8,601.50", "7,814.96", true},
        {"the first cent of the next ISR row", kMensual, "7,814.97", "0.00", "8,601.51", "7,814.97",
         true},
        // At 4,210.41 the tax is 237.72 + 9.52, at 4,210.42 only the next row's fee 247.23, both
        // with a subsidy of 382.46: nets 4,345.63 and 4,345.65, and no base nets 4,345.64.
        {"a net that a row limit steps over", kMensual, "4,345.64", "0.00", "4,210.42", "4,345.65",
         false},

        // Anual subtracts the year's sum (here 1,234.56) instead of a subsidy: the base 0.00
        // nets the sum itself. At 1,000,000.00 the tax is 80,000.00 + 180,850.82, at
        // 1,000,000.01 the next fee 260,850.81: nets 740,383.74 and 740,383.76.
        {"an annual target below the subsidy sum needs no income", kAnual, "1,000.00", "1,234.56",
         "0.00", "1,234.56", false},
        {"an annual target that a row limit steps over", kAnual, "740,383.75", "1,234.56",
         "1,000,000.01", "740,383.76", false},

        // The top: 99,999,999.99 has an excess of 99,749,999.98, tax 34,912,499.99 + 78,404.23,
        // net 65,009,095.77; 99,999,999.98 nets 65,009,095.76.
        {"the highest monthly net", kMensual, "65,009,095.77", "0.00", "99,999,999.99",
         "65,009,095.77", true},
    };
    const TableSet& tables = kProgramTables;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = GrossUp(tables, c.period, C(c.target), C(c.subsidySum));
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->base.Count(), C(c.base).Count());
        EXPECT_EQ(found->net.Count(), C(c.net).Count());
        EXPECT_EQ(found->exact, c.exact);
    }
}

TEST(GrossUp, NothingAboveTheHighestNetOfTheTables) {
    struct Case {
        std::string_view name;
        Period period;
        std::string_view subsidySum;
        std::string_view highest;  // the net of the top row's upper limit
    };
    using enum Period;
    // Top rows at 35 %: Mensual from 250,000.01 (fee 78,404.23) as above; Anual from
    // 3,000,000.01 (fee 940,850.81), at 99,999,999.99 tax 33,949,999.99 + 940,850.81, net
    // 65,109,149.19 plus the sum; Semanal from 57,565.80 (fee 18,053.61), at 9,999,999.99 tax
    // 3,479,851.97 + 18,053.61, net 6,502,094.41.
    const Case cases[] = {
        {"monthly", kMensual, "0.00", "65,009,095.77"},
        {"annual with a subsidy sum", kAnual, "1,234.56", "65,110,383.75"},
        {"weekly", kSemanal, "0.00", "6,502,094.41"},
    };
    const TableSet& tables = kProgramTables;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Cents highest = C(c.highest);
        EXPECT_EQ(HighestNet(tables, c.period, C(c.subsidySum)).Count(), highest.Count());
        const auto atTop = GrossUp(tables, c.period, highest, C(c.subsidySum));
        ASSERT_TRUE(atTop.has_value());
        EXPECT_EQ(atTop->net.Count(), highest.Count());
        const Cents cent = C("0.01");
        EXPECT_FALSE(GrossUp(tables, c.period, highest + cent, C(c.subsidySum)).has_value());
        EXPECT_FALSE(GrossUp(tables, c.period, Cents::Largest(), C(c.subsidySum)).has_value());
    }
}

}  // namespace
}  // namespace isr
