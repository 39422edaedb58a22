// SPDX-License-Identifier: MIT
#include "oracle/exact_calculation.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "oracle/exact_tables.h"
#include "oracle/rational_amount.h"
#include "tariffs/program_tables.h"

namespace isr::oracle {
namespace {

// The nine box texts on one line: income tax | subsidy | result.
std::string Shown(const ExactBoxes& b) {
    return b[0] + " " + b[1] + " " + b[2] + " " + b[3] + " " + b[4] + " | " + b[5] + " " + b[6] +
           " " + b[7] + " | " + b[8];
}

const ExactTables& Tables() {
    static const ExactTables tables(kProgramTables.Text());
    return tables;
}

TEST(ExactCalculate, WorkedExamplesAndEdges) {
    struct Example {
        std::string name;
        Period period;
        std::int64_t baseCents;
        std::int64_t subsidySumCents;
        std::string shown;
    };
    const Example examples[] = {
        {"monthly 3,000.00", Period::kMensual, 300000, 0,
         "496.08 2,503.92 6.40 9.52 169.77 | 2,653.39 3,472.84 406.62 | -236.85"},
        {"monthly 10,000.00", Period::kMensual, 1000000, 0,
         "8,601.51 1,398.49 17.92 786.54 1,037.15 | 7,382.34 99,999,999.99 0.00 | 1,037.15"},
        {"annual 100,000.00 with 1,200.00 paid", Period::kAnual, 10000000, 120000,
         "88,793.05 11,206.95 16.00 7,130.48 8,923.59 | 0 0 0 | 7,723.59"},
        {"monthly half cent of tax rounds up", Period::kMensual, 8333359, 0,
         "83,333.34 0.25 34.00 21,737.57 21,737.66 | 7,382.34 99,999,999.99 0.00 | 21,737.66"},
        {"nothing earned: no row, bare zeros", Period::kMensual, 0, 0,
         "0 0 0 0 0.00 | 0 0 0 | 0.00"},
        {"annual with nothing earned subtracts the sum", Period::kAnual, 0, 50000,
         "0 0 0 0 0.00 | 0 0 0 | -500.00"},
        {"upper limit stays in its row", Period::kMensual, 49607, 0,
         "0.01 496.06 1.92 0.00 9.52 | 0.01 1,768.96 407.02 | -397.50"},
        {"one cent more takes the next row", Period::kMensual, 49608, 0,
         "496.08 0.00 6.40 9.52 9.52 | 0.01 1,768.96 407.02 | -397.50"},
        {"other periods ignore the sum", Period::kQuincenal, 4111842, 9999900,
         "30,838.83 10,279.59 32.00 7,436.43 10,725.90 | 3,642.61 9,999,999.99 0.00 | 10,725.90"},
        {"weekly above the top of its tables", Period::kSemanal, 1000000000, 0,
         "0 0 0 0 0.00 | 0 0 0 | 0.00"},
        {"below zero: no row", Period::kMensual, -1, 0, "0 0 0 0 0.00 | 0 0 0 | 0.00"}};
    for (const auto& e : examples) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(Shown(ExactCalculate(Tables(), e.period, FromCents(e.baseCents),
                                       FromCents(e.subsidySumCents))),
                  e.shown);
    }
}

TEST(ExactTables, EveryPeriodHasElevenRowsAndOnlyAnnualLacksSubsidy) {
    for (const Period period : kPeriods) {
        SCOPED_TRACE(PeriodName(period));
        EXPECT_EQ(Tables().Of(period).isr.size(), 11U);
        EXPECT_EQ(Tables().Of(period).subsidy.size(), period == Period::kAnual ? 0U : 11U);
    }
    const auto& second = Tables().Of(Period::kMensual).isr[1];
    EXPECT_EQ(second.lower, mpq_class(12402, 25));  // 496.08
    EXPECT_EQ(second.rate, mpq_class(32, 5));
    EXPECT_EQ(second.rateShown, "6.40");
}

TEST(ExactTables, AFigureThatIsNoPlainDecimalIsRefused) {
    TableSetText text = kProgramTables.Text();
    text.isr[PeriodIndex(Period::kSemanal)][3].rate = "10,88";
    EXPECT_THROW(ExactTables{text}, std::logic_error);
    text = kProgramTables.Text();
    text.subsidy[PeriodIndex(Period::kDecenal)][0].subsidy = "-1";
    EXPECT_THROW(ExactTables{text}, std::logic_error);
}

}  // namespace
}  // namespace isr::oracle
