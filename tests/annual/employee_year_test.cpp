// SPDX-License-Identifier: MIT
#include "annual/employee_year.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "annual/payment_subsidy.h"
#include "money/amount_text.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

Cents Amount(std::string_view text) {
    return ReadAmount(text).cents;
}

// One payment a month for months `first` to `last` of 2016, each paying that calendar month and
// paid on its last day.
std::vector<YearPayment> Monthly(int first, int last, std::string_view taxable,
                                 std::string_view withheld, std::string_view subsidy) {
    constexpr int kLastDay[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<YearPayment> payments;
    for (int m = first; m <= last; ++m) {
        const IsoDate end{2016, m, kLastDay[m - 1]};
        payments.push_back({end, IsoDate{2016, m, 1}, end, Amount(taxable), Cents(),
                            Amount(withheld), Amount(subsidy)});
    }
    return payments;
}

AnnualCalculation YearOf(const std::vector<YearPayment>& payments, int year = 2016) {
    EmployeeYear employee(year);
    for (const auto& payment : payments) employee.Add(payment);
    const auto result = employee.Calculate(DefaultTableSet());
    EXPECT_TRUE(std::holds_alternative<AnnualCalculation>(result));
    return std::get<AnnualCalculation>(result);
}

std::vector<YearPayment> Joined(std::vector<YearPayment> a, const std::vector<YearPayment>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct WorkedExample {
    std::string_view name;
    std::vector<YearPayment> payments;
    std::string_view isrTariff, subsidy, isrYear, withheld, difference;
    AnnualResult result;
};

// The figures an employer's December calculation gives, as worked by hand from the annual tariff
// and the monthly subsidy table; a month's subsidy is the monthly table's for its pay.
TEST(EmployeeYear, GivesTheWorkedExamplesFigures) {
    const WorkedExample cases[] = {
        {"12 x 4,000.00, nothing withheld: the subsidy exceeds the tax, the year owes nothing",
         Monthly(1, 12, "4000.00", "0", "382.46"), "2805.31", "4589.52", "0", "0", "0",
         AnnualResult::kSinDiferencia},
        {"12 x 10,000.00, 1,037.15 withheld a month: no subsidy, withheld exactly",
         Monthly(1, 12, "10000.00", "1037.15", "0"), "12445.80", "0", "12445.80", "12445.80", "0",
         AnnualResult::kSinDiferencia},
        {"six of 3,000.00 and six of 12,000.00: a higher bracket over the year, given back",
         Joined(Monthly(1, 6, "3000.00", "0", "406.62"),
                Monthly(7, 12, "12000.00", "1454.08", "0")),
         "7323.59", "2439.72", "4883.87", "8724.48", "-3840.61", AnnualResult::kAFavor},
        {"12 x 10,000.00, 1,000.00 withheld a month: the rest withheld in December",
         Monthly(1, 12, "10000.00", "1000.00", "0"), "12445.80", "0", "12445.80", "12000.00",
         "445.80", AnnualResult::kACargo},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto year = YearOf(c.payments);
        EXPECT_EQ(year.payments, c.payments.size());
        EXPECT_EQ(year.isrTariff, Amount(c.isrTariff));
        EXPECT_EQ(year.subsidy, Amount(c.subsidy));
        EXPECT_EQ(year.isrYear, Amount(c.isrYear));
        EXPECT_EQ(year.withheld, Amount(c.withheld));
        EXPECT_EQ(year.difference, Amount(c.difference));
        EXPECT_EQ(year.result, c.result);
    }
}

// The subsidies of the worked examples, as a payment's own calculation gives them.
TEST(EmployeeYear, PaymentSubsidyIsThatOfItsPeriodOrItsDays) {
    const auto& tables = DefaultTableSet();
    EXPECT_EQ(PeriodSubsidy(tables, Period::kMensual, Amount("4000.00")), Amount("382.46"));
    EXPECT_EQ(PeriodSubsidy(tables, Period::kMensual, Amount("3000.00")), Amount("406.62"));
    EXPECT_EQ(PeriodSubsidy(tables, Period::kMensual, Amount("12000.00")), Cents());
    EXPECT_EQ(PeriodSubsidy(tables, Period::kAnual, Amount("4000.00")), Cents());
    // 30.4 days is a month: the monthly table's own figure.
    EXPECT_EQ(DaysSubsidy(tables, DaysPaid{30'400}, Amount("4000.00")), Amount("382.46"));
    EXPECT_EQ(DaysSubsidy(tables, DaysPaid{0}, Amount("4000.00")), std::nullopt);
}

struct CapCase {
    std::string_view name;
    std::vector<std::string_view> subsidies;  // of the month's payments, 2,000.00 each
    std::string_view credited;
    std::string_view beyond;
};

// Two payments of 2,000.00 in a month: the monthly table gives 382.46 for the month's 4,000.00.
TEST(EmployeeYear, CapsAMonthsSubsidyAtTheMonthlyTablesForItsWholePay) {
    const CapCase cases[] = {
        {"below the cap: the payments' own", {"100.00", "100.00"}, "200.00", "0"},
        {"at the cap", {"200.00", "182.46"}, "382.46", "0"},
        {"above the cap: the cap, the rest beyond it", {"300.00", "300.00"}, "382.46", "217.54"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<YearPayment> payments;
        for (const int day : {15, 30}) {
            payments.push_back({IsoDate{2016, 6, day}, std::nullopt, std::nullopt,
                                Amount("2000.00"), Cents(), Cents(),
                                Amount(c.subsidies[day == 15 ? 0 : 1])});
        }
        const auto year = YearOf(payments);
        const auto& june = year.months[5];
        EXPECT_EQ(june.payments, 2U);
        EXPECT_EQ(june.taxable, Amount("4000.00"));
        EXPECT_EQ(june.cap, Amount("382.46"));
        EXPECT_EQ(june.credited, Amount(c.credited));
        EXPECT_EQ(june.beyondCap, Amount(c.beyond));
        EXPECT_EQ(year.subsidy, Amount(c.credited));
    }
}

TEST(EmployeeYear, CountsAPaymentInTheMonthItWasPaidNotTheMonthItPays) {
    // December's pay paid in January: the cap is January's, on January's pay.
    const YearPayment payment{IsoDate{2016, 1, 5},
                              IsoDate{2015, 12, 1},
                              IsoDate{2015, 12, 31},
                              Amount("4000.00"),
                              Cents(),
                              Cents(),
                              Amount("500.00")};
    const auto year = YearOf({payment});
    EXPECT_EQ(year.months[0].cap, Amount("382.46"));
    EXPECT_EQ(year.months[11].payments, 0U);
    EXPECT_EQ(year.firstPeriod, (IsoDate{2015, 12, 1}));
}

TEST(EmployeeYear, AMonthWithoutTaxablePayHasNoSubsidy) {
    const YearPayment payment{IsoDate{2016, 3, 31}, std::nullopt, std::nullopt,   Cents(),
                              Amount("1000.00"),    Cents(),      Amount("50.00")};
    const auto year = YearOf({payment});
    EXPECT_EQ(year.months[2].cap, Cents());
    EXPECT_EQ(year.months[2].beyondCap, Amount("50.00"));
    EXPECT_EQ(year.subsidy, Cents());
}

struct ExclusionCase {
    std::string_view name;
    IsoDate firstStart;
    IsoDate lastEnd;
    std::string_view exempt;  // on the first payment, beside 12 x 30,000.00 taxable
    Exclusions expected;
};

TEST(EmployeeYear, LeavesTheYearToTheEmployeeWhenTheLawSaysSo) {
    const ExclusionCase cases[] = {
        {"the whole year, 400,000.00 exactly", {2016, 1, 1}, {2016, 12, 31}, "40000.00", {}},
        {"a period from the year before", {2015, 12, 16}, {2016, 12, 31}, "0", {}},
        {"income above 400,000.00", {2016, 1, 1}, {2016, 12, 31}, "40000.01", {true, false, false}},
        {"starts on 2 January", {2016, 1, 2}, {2016, 12, 31}, "0", {false, true, false}},
        {"ends on 30 November", {2016, 1, 1}, {2016, 11, 30}, "0", {false, false, true}},
        {"ends on 1 December", {2016, 1, 1}, {2016, 12, 1}, "0", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto payments = Monthly(1, 12, "30000.00", "0", "0");
        payments.front().periodStart = c.firstStart;
        payments.front().exempt = Amount(c.exempt);
        payments.back().periodEnd = c.lastEnd;
        const auto year = YearOf(payments);
        EXPECT_EQ(year.exclusions.incomeAbove, c.expected.incomeAbove);
        EXPECT_EQ(year.exclusions.startsLate, c.expected.startsLate);
        EXPECT_EQ(year.exclusions.endsEarly, c.expected.endsEarly);
        EXPECT_EQ(year.result == AnnualResult::kNoCorresponde, c.expected.Any());
        // The figures are there all the same.
        EXPECT_EQ(year.taxable, Amount("360000.00"));
        EXPECT_EQ(year.income, Amount("360000.00") + Amount(c.exempt));
    }
}

TEST(EmployeeYear, TakesThePaymentDateForAPaymentWithoutPeriod) {
    auto payments = Monthly(1, 12, "4000.00", "0", "382.46");
    payments.front().periodStart.reset();
    const auto year = YearOf(payments);
    EXPECT_TRUE(year.periodsFromPaymentDates);
    EXPECT_EQ(year.firstPeriod, (IsoDate{2016, 1, 31}));
    EXPECT_TRUE(year.exclusions.startsLate);
}

struct ProblemCase {
    std::string_view name;
    int year;
    std::vector<YearPayment> payments;
    AnnualProblem expected;
};

TEST(EmployeeYear, GivesNoFiguresWhereTheyCannotBeRight) {
    auto largest = Monthly(1, 2, "0", "0", "0");
    for (auto& payment : largest) payment.withheld = Cents::Largest();
    auto beyondTariff = Monthly(1, 1, "100000000.00", "0", "0");
    auto paidIn2018 = Monthly(1, 1, "4000.00", "0", "0");
    paidIn2018.front().paid.year = 2018;
    const ProblemCase cases[] = {
        {"withholdings summing beyond an amount", 2016, largest, AnnualProblem::kBeyondAmount},
        {"a year's pay above the annual tariff", 2016, beyondTariff, AnnualProblem::kBeyondTariff},
        {"a year under other tables", 2018, paidIn2018, AnnualProblem::kOutsideTariffYears},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EmployeeYear employee(c.year);
        for (const auto& payment : c.payments) employee.Add(payment);
        const auto result = employee.Calculate(DefaultTableSet());
        ASSERT_TRUE(std::holds_alternative<AnnualProblem>(result));
        EXPECT_EQ(std::get<AnnualProblem>(result), c.expected);
    }
    // The largest pay the tariff covers is calculated.
    EXPECT_EQ(YearOf(Monthly(1, 1, "99999999.99", "0", "0")).taxable, Amount("99999999.99"));
}

}  // namespace
}  // namespace isr
