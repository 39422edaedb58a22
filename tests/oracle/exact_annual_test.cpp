// SPDX-License-Identifier: MIT
#include "oracle/exact_annual.h"

#include <gtest/gtest.h>

#include <string>

#include "oracle/rational_amount.h"
#include "tariffs/table_sets.h"

namespace isr::oracle {
namespace {

struct MonthCase {
    std::string pay, subsidies, cap, credited, beyond;
};

// The published monthly subsidy table: 406.62 up to 3,472.84, 392.77 from 3,472.85, none above
// 7,382.33.
TEST(ExactAnnual, CapsAMonthAtTheMonthlyTablesRowForItsPay) {
    const ExactTables tables(DefaultTableSet().Text());
    const MonthCase cases[] = {
        {"3472.84", "500", "406.62", "406.62", "93.38"},
        {"3472.85", "500", "392.77", "392.77", "107.23"},
        {"3472.85", "100", "392.77", "100.00", "0.00"},
        {"0", "50", "0.00", "0.00", "50.00"},
        {"7382.34", "10", "0.00", "0.00", "10.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pay + ", " + c.subsidies);
        const auto month = ExactMonthCap(tables, PlainDecimal(c.pay), PlainDecimal(c.subsidies));
        EXPECT_EQ(ShownCents(month.cap), c.cap);
        EXPECT_EQ(ShownCents(month.credited), c.credited);
        EXPECT_EQ(ShownCents(month.beyond), c.beyond);
    }
}

struct YearCase {
    std::string taxable, credited, withheld, isrTariff, isrYear, difference;
};

TEST(ExactAnnual, TaxesTheYearAndNeverPaysOutTheSubsidy) {
    const ExactTables tables(DefaultTableSet().Text());
    const YearCase cases[] = {
        {"48000", "4589.52", "0", "2,805.31", "0.00", "0.00"},
        {"120000", "0", "12445.80", "12,445.80", "12,445.80", "0.00"},
        {"90000", "2439.72", "8724.48", "7,323.59", "4,883.87", "-3,840.61"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.taxable);
        const auto year = ExactAnnual(tables, PlainDecimal(c.taxable), PlainDecimal(c.credited),
                                      PlainDecimal(c.withheld));
        EXPECT_EQ(ShownCents(year.isrTariff), c.isrTariff);
        EXPECT_EQ(ShownCents(year.isrYear), c.isrYear);
        EXPECT_EQ(ShownCents(year.difference), c.difference);
    }
}

}  // namespace
}  // namespace isr::oracle
