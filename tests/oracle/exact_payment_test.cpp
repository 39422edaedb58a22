// SPDX-License-Identifier: MIT
// The exact payment calculation against figures worked out by hand from the monthly tables.
#include "oracle/exact_payment.h"

#include <gtest/gtest.h>

#include <string>

#include "oracle/rational_amount.h"
#include "tariffs/program_tables.h"
#include "tariffs/table_sets.h"

namespace isr::oracle {
namespace {

mpq_class Amount(const char* text) {
    return *TypedDecimal(text);
}

std::string Joined(const ExactPaymentFigures& figures) {
    std::string joined;
    for (const auto& figure : figures) joined += (joined.empty() ? "" : " ") + figure;
    return joined;
}

TEST(ExactPayment, WorkedExamplesAndTheTopOfTheTariff) {
    struct Example {
        std::string name;
        const char* tables;
        const char* concept_;
        const char* income;
        const char* payment;
        int sundays;
        const char* shown;  // empty: beyond the tariff
    };
    const Example examples[] = {
        {"the worked example", "programa", "aguinaldo", "10000", "5000", 0,
         "2,191.20 2,191.20 2,808.80 233.94 10,233.94 1,079.07 1,037.15 41.92 17.9191 "
         "209600/11697 503.31 12,808.80 1,626.84 1,037.15 589.69 art174"},
        // 4,210.41 pays 247.24 and 4,210.42 the next row's fee 247.23 alone.
        {"a tax that falls across a row limit", "programa", "aguinaldo", "4210.41", "2191.27", 0,
         "2,191.20 2,191.20 0.07 0.01 4,210.42 247.23 247.24 -0.01 -100.0000 -100 -0.07 4,210.48 "
         "-135.22 -135.22 0.00 art174"},
        {"the published fee of 247.24 at the same limit", "anexo8", "aguinaldo", "4210.41",
         "2191.27", 0,
         "2,191.20 2,191.20 0.07 0.01 4,210.42 247.24 247.24 0.00 0.0000 0 0.00 4,210.48 -135.21 "
         "-135.22 0.01 art174"},
        {"three Sundays, all exempt", "programa", "prima-dominical", "9000", "200", 3,
         "219.12 200.00 0.00 0.00 9,000.00 857.95 857.95 0.00 0.0000 0 0.00 9,000.00 857.95 "
         "857.95 0.00 ninguno"},
        {"the income plus G at the top", "programa", "ptu", "99999999.98", "1095.61", 0,
         "1,095.60 1,095.60 0.01 0.00 99,999,999.98 34,990,904.22 34,990,904.22 0.00 0.0000 0 "
         "0.00 99,999,999.99 34,990,904.22 34,990,904.22 0.00 ninguno"},
        {"the income plus G a cent beyond it", "programa", "ptu", "99999999.98", "1095.62", 0, ""},
        {"an income beyond the tariff", "programa", "ptu", "100000000", "0", 0, ""},
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.name);
        const ExactTables tables(FindTableSet(e.tables)->Text());
        const auto figures = ExactPayment(tables, e.concept_, Amount(e.income), Amount(e.payment),
                                          e.sundays, Amount("73.04"));
        EXPECT_EQ(figures ? Joined(*figures) : "", e.shown);
    }
}

TEST(ExactPayment, FourDecimalsRoundHalvesAwayFromZero) {
    EXPECT_EQ(ShownFourDecimals(mpq_class(1, 80'000) * 100), "0.0013");
    EXPECT_EQ(ShownFourDecimals(mpq_class(-1, 80'000) * 100), "-0.0013");
    EXPECT_EQ(ShownFourDecimals(mpq_class(-1, 300'000)), "0.0000");
    EXPECT_EQ(ShownFourDecimals(mpq_class(123'456'789, 1000)), "123,456.7890");
}

TEST(ExactPayment, RefusesAnUnknownConcept) {
    const ExactTables tables(kProgramTables.Text());
    EXPECT_THROW(ExactPayment(tables, "prima", 0, 0, 0, 1), std::logic_error);
}

}  // namespace
}  // namespace isr::oracle
