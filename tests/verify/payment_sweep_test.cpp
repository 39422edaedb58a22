// SPDX-License-Identifier: MIT
// The payment check: it passes the program's calculation and catches faulty ones.
#include "verify/payment_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include "tariffs/table_sets.h"

namespace isr::verify {
namespace {

struct Outcome {
    SweepCount count;
    std::vector<PaymentMismatch> mismatches;
};

Outcome Check(const PaymentGrid& grid, std::int64_t stride, const PaymentFunction& calculate) {
    Outcome outcome;
    std::mutex mutex;
    PaymentSweepHooks hooks;
    hooks.onMismatch = [&](const PaymentMismatch& m) {
        const std::scoped_lock lock(mutex);
        outcome.mismatches.push_back(m);
    };
    hooks.onProgress = [](std::int64_t) {};
    outcome.count = PaymentSweep(DefaultTableSet(), grid, stride, 2, calculate, hooks);
    return outcome;
}

// An aguinaldo and a PTU on incomes with and without a subsidy, around 10,000.00 and at the top
// of the tariff; payments around the caps, one large enough that a rounded rate shows, and some
// that take the top income beyond the tariff.
PaymentGrid SmallGrid() {
    PaymentGrid grid;
    grid.variants = {{PaymentConcept::kAguinaldo, 0, 7304}, {PaymentConcept::kPtu, 0, 7304}};
    grid.incomes = {0, 300'000, 999'999, 1'000'000, 9'999'999'999};
    grid.payments = {{1, 219'120, 219'127, 500'000, 1'234'567, 987'654'321}, {109'561, 3'000'000}};
    return grid;
}

TEST(PaymentSweep, PassesTheProgramOverEveryPoint) {
    const auto outcome = Check(SmallGrid(), 1, CalculateExtraordinaryPayment);
    EXPECT_EQ(outcome.count.checked, 40);  // 5 incomes x (6 + 2) payments
    EXPECT_EQ(outcome.count.mismatches, 0);
    const auto strided = Check(SmallGrid(), 3, CalculateExtraordinaryPayment);
    EXPECT_EQ(strided.count.checked, 14);  // points 0, 3, ..., 39
}

TEST(PaymentSweep, CatchesFaultyCalculations) {
    struct Case {
        const char* name;
        std::function<void(ExtraordinaryPayment&, const PaymentInput&)> alter;
        const char* figure;  // the first figure found wrong
    };
    const Case cases[] = {
        {"the art. 174 withholding from the rate rounded to four decimals",
         [](ExtraordinaryPayment& p, const PaymentInput&) {
             const std::int64_t g = p.taxable.Count();
             const std::int64_t t = p.spread.rate.TenThousandths();
             // G x rate / 100, the rate in ten-thousandths of a percent.
             p.spread.withholding = *Cents::FromCount((g * t + 500'000) / 1'000'000);
         },
         "retencion_art174"},
        {"the art. 96 withholding without the subsidy",
         [](ExtraordinaryPayment& p, const PaymentInput&) {
             if (p.monthly.procedureWithout < Cents()) p.monthly.procedureWithout = Cents();
         },
         "procedimiento_sin_pago"},
        {"the cap of a PTU taken as an aguinaldo's",
         [](ExtraordinaryPayment& p, const PaymentInput& input) {
             if (input.paymentConcept == PaymentConcept::kPtu) {
                 p.exemptCap = p.exemptCap + p.exemptCap;
             }
         },
         "tope_exento"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome =
            Check(SmallGrid(), 1, [&](const TableSet& tables, const PaymentInput& input) {
                auto result = CalculateExtraordinaryPayment(tables, input);
                if (auto* p = std::get_if<ExtraordinaryPayment>(&result)) c.alter(*p, input);
                return result;
            });
        EXPECT_GT(outcome.count.mismatches, 0);
        EXPECT_TRUE(std::any_of(outcome.mismatches.begin(), outcome.mismatches.end(),
                                [&](const PaymentMismatch& m) { return m.figure == c.figure; }));
    }
}

TEST(PaymentSweep, CatchesAPaymentBeyondTheTariffThatIsNotRefused) {
    // The top income with any taxable part is beyond the tariff: a calculation there is wrong.
    const auto outcome = Check(SmallGrid(), 1, [](const TableSet& tables, PaymentInput input) {
        const auto top = *Cents::FromCount(9'999'999'999);
        const bool atTop = input.ordinaryIncome == top;
        if (atTop) input.ordinaryIncome = input.ordinaryIncome - *Cents::FromCount(10'000'000);
        return CalculateExtraordinaryPayment(tables, input);
    });
    EXPECT_GT(outcome.count.mismatches, 0);
    for (const auto& m : outcome.mismatches) EXPECT_EQ(m.incomeCents, 9'999'999'999);
}

TEST(PaymentSweep, TheGridMeetsTheLimitsAndTheCaps) {
    const PaymentGrid grid = PlanPaymentGrid(DefaultTableSet());
    const auto has = [](const std::vector<std::int64_t>& v, std::int64_t x) {
        return std::binary_search(v.begin(), v.end(), x);
    };
    // No income, both sides of the 8,601.50/8,601.51 row limit and of the end of the subsidy
    // at 7,382.33, and the top of the tariff.
    for (const std::int64_t income : {0L, 860'150L, 860'151L, 738'233L, 738'234L, 9'999'999'999L}) {
        EXPECT_TRUE(has(grid.incomes, income)) << income;
    }
    ASSERT_EQ(grid.variants.size(), grid.payments.size());
    for (std::size_t v = 0; v < grid.variants.size(); ++v) {
        SCOPED_TRACE(v);
        const auto& payments = grid.payments[v];
        EXPECT_EQ(payments.front(), 1);
        // Far beyond the top of the tariff, so that some points must be refused.
        EXPECT_GT(payments.back(), 9'999'999'999 + 219'120);
    }
    // The aguinaldo of 2016: its cap of 2,191.20 and a cent either side.
    EXPECT_EQ(grid.variants[0].paymentConcept, PaymentConcept::kAguinaldo);
    for (const std::int64_t p : {219'119L, 219'120L, 219'121L})
        EXPECT_TRUE(has(grid.payments[0], p));
    // The prima dominical from 0 to 5 Sundays.
    int sundays = 0;
    for (const auto& v : grid.variants) {
        if (v.paymentConcept == PaymentConcept::kPrimaDominical) {
            EXPECT_EQ(v.sundays, sundays++);
        }
    }
    EXPECT_EQ(sundays, 6);
}

}  // namespace
}  // namespace isr::verify
