// SPDX-License-Identifier: MIT
#include "oracle/exact_calculation.h"

#include <gtest/gtest.h>

#include "oracle/exact_tables.h"
#include "tariffs/periods.h"

namespace isr::oracle {
namespace {

// The nine box texts on one line: txtISR08(0..4) | txtSUB08(0..2) | txtRet08(0).
std::string Shown(const ExactBoxes& b) {
    std::string line;
    for (const auto& t : b.txtISR08) line += t + " ";
    line += "|";
    for (const auto& t : b.txtSUB08) line += " " + t;
    return line + " | " + b.txtRet08[0];
}

TEST(ExactCalculate, WorkedExamplesAndEdges) {
    struct Example {
        std::string name;
        int period;
        std::int64_t base;
        std::int64_t subsidySum;
        std::string shown;
    };
    const Example examples[] = {
        {"monthly 3,000.00", kMensual, 300000, 0,
         "496.08 2,503.92 6.40 9.52 169.77 | 2,653.39 3,472.84 406.62 | -236.85"},
        {"monthly 10,000.00", kMensual, 1000000, 0,
         "8,601.51 1,398.49 17.92 786.54 1,037.15 | 7,382.34 99,999,999.99 0.00 | 1,037.15"},
        {"annual 100,000.00 with 1,200.00 paid", kAnual, 10000000, 120000,
         "88,793.05 11,206.95 16.00 7,130.48 8,923.59 | 0 0 0 | 7,723.59"},
        {"monthly half cent of tax rounds up", kMensual, 8333359, 0,
         "83,333.34 0.25 34.00 21,737.57 21,737.66 | 7,382.34 99,999,999.99 0.00 | 21,737.66"},
        {"nothing earned: no row, bare zeros", kMensual, 0, 0, "0 0 0 0 0.00 | 0 0 0 | 0.00"},
        {"annual with nothing earned subtracts the sum", kAnual, 0, 50000,
         "0 0 0 0 0.00 | 0 0 0 | -500.00"},
        {"upper limit stays in its row", kMensual, 49607, 0,
         "0.01 496.06 1.92 0.00 9.52 | 0.01 1,768.96 407.02 | -397.50"},
        {"one cent more takes the next row", kMensual, 49608, 0,
         "496.08 0.00 6.40 9.52 9.52 | 0.01 1,768.96 407.02 | -397.50"},
        {"other periods ignore the sum", kQuincenal, 4111842, 9999900,
         "30,838.83 10,279.59 32.00 7,436.43 10,725.90 | 3,642.61 9,999,999.99 0.00 | 10,725.90"},
        {"weekly above the top of its tables", kSemanal, 1000000000, 0,
         "0 0 0 0 0.00 | 0 0 0 | 0.00"}};
    for (const auto& e : examples) {
        EXPECT_EQ(Shown(ExactCalculate(e.period, e.base, e.subsidySum)), e.shown) << e.name;
    }
}

TEST(ExactTables, RowsReadOnlyWithTheirExactFieldCount) {
    EXPECT_EQ(ParseExactIsrRow("0.01|496.07|0|1.92")->rate, 192);
    EXPECT_EQ(ParseExactSubsidyRow("7382.34|99999999.99|0")->upper, 9999999999);
    for (const auto* row : {"0.01|496.07|0", "0.01|496.07|0|1.92|5", "0.01||0|1.92", "|1|2|3",
                            "0.01|496.07|0|1.92|", "0.01|496.07|0|1,92"}) {
        EXPECT_FALSE(ParseExactIsrRow(row).has_value()) << row;
    }
    EXPECT_FALSE(ParseExactSubsidyRow("0.01|1768.96|407.02|0").has_value());
    EXPECT_FALSE(ParseExactSubsidyRow("0.01|1768.96").has_value());
}

TEST(ExactTables, EveryPeriodReadsAndOnlyAnnualLacksSubsidy) {
    for (int p = 0; p < static_cast<int>(kPeriodNames.size()); ++p) {
        SCOPED_TRACE(kPeriodNames[static_cast<std::size_t>(p)]);
        const auto& tables = ExactTablesOf(p);
        EXPECT_EQ(tables.isr.size(), 11U);
        EXPECT_EQ(tables.subsidy.size(), p == kAnual ? 0U : 11U);
    }
    EXPECT_THROW(ExactTablesOf(6), std::logic_error);
    EXPECT_THROW(ExactTablesOf(-1), std::logic_error);
}

}  // namespace
}  // namespace isr::oracle
