// SPDX-License-Identifier: MIT
// The oracle's pay of N days, on the worked examples of public payroll receipts.
#include "oracle/exact_days_paid.h"

#include <gtest/gtest.h>

#include <string>

#include "oracle/rational_amount.h"
#include "tariffs/anexo8_tables.h"
#include "tariffs/program_tables.h"

namespace isr::oracle {
namespace {

TEST(ExactDaysPaid, WorkedExamples) {
    const ExactTables tables(kAnexo8Tables.Text());
    const struct {
        std::string name;
        bool mensual;
        mpq_class days;
        std::int64_t baseCents;
        // ingreso mensual, isr, subsidio, resultado
        std::string shown;
    } examples[] = {
        {"15 days 7,500.05 mensual", true, 15, 750'005, "15,200.10 1,054.75 0.00 1,054.75"},
        {"15 days 4,165.56 tabla", false, 15, 416'556, " 375.58 0.00 375.58"},
        {"16 days 2,500.00 tabla", false, 16, 250'000, " 160.98 171.04 -10.06"},
        {"15.2 days 1,000.00 mensual", true, mpq_class(76, 5), 100'000,
         "2,000.00 52.89 203.42 -150.53"},
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.name);
        const auto f = ExactDaysPaid(tables, e.mensual, e.days, FromCents(e.baseCents));
        ASSERT_TRUE(f);
        EXPECT_EQ((*f)[9] + " " + (*f)[10] + " " + (*f)[11] + " " + (*f)[12], e.shown);
    }
}

// The 16-day table: the daily rows times 16, each lower limit a cent above the row before.
TEST(ExactDaysPaid, TablesOfDaysAreTheDailyRowsTimesTheDays) {
    const ExactTables published(kAnexo8Tables.Text());
    const auto sixteen = ExactTablesForDays(published, 16);
    ASSERT_TRUE(sixteen);
    EXPECT_EQ(sixteen->isr[1].lowerShown, "261.13");  // 16.32 x 16 + 0.01
    EXPECT_EQ(ShownCents(sixteen->isr[1].upper), "2,216.00");
    EXPECT_EQ(sixteen->isr[10].feeShown, "41,265.44");
    EXPECT_EQ(ShownCents(sixteen->isr[10].upper), "9,999,999.99");
    EXPECT_EQ(sixteen->subsidy[0].subsidyShown, "214.24");
    EXPECT_FALSE(ExactTablesForDays(published, 32));

    const ExactTables program(kProgramTables.Text());
    EXPECT_FALSE(ExactTablesForDays(program, 16));
    ASSERT_TRUE(ExactTablesForDays(program, 14));
    EXPECT_EQ(ExactTablesForDays(program, 14)->subsidy[0].subsidyShown, "187.44");
    EXPECT_FALSE(ExactDaysPaid(program, false, 16, FromCents(100)));
}

}  // namespace
}  // namespace isr::oracle
