// SPDX-License-Identifier: MIT
// A pay of N days by either method, with figures worked out by hand from the published tables.
#include "calc/days_paid.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "tariffs/anexo8_tables.h"
#include "tariffs/program_tables.h"

namespace isr {
namespace {

Cents Of(std::int64_t count) {
    return *Cents::FromCount(count);
}

struct Example {
    std::string_view name;
    std::int32_t thousandths;
    DaysMethod method;
    std::int64_t base;
    std::optional<std::int64_t> monthlyBase;
    std::int64_t tax;
    std::int64_t subsidy;
    std::int64_t result;
};

// The first two are the withholdings of public payroll receipts of 2016 and 2017.
constexpr Example kExamples[] = {
    {"15 days 7,500.05 mensual", 15'000, DaysMethod::kMensual, 750'005, 1'520'010, 105'475, 0,
     105'475},
    {"15 days 4,165.56 tabla", 15'000, DaysMethod::kTabla, 416'556, std::nullopt, 37'558, 0,
     37'558},
    {"16 days 2,500.00 tabla", 16'000, DaysMethod::kTabla, 250'000, std::nullopt, 16'098, 17'104,
     -1'006},
    // 1,000.00 x 30.4 / 15.2 = 2,000.00 a month: tax 2,000.00 - 496.08 = 1,503.92 x 6.40 % =
    // 96.25 + 9.52 = 105.77, subsidy 406.83; each times 15.2 / 30.4 = a half: 52.89 (52.885
    // rounds away from zero) and 203.42 (203.415).
    {"15.2 days 1,000.00 mensual halves each figure", 15'200, DaysMethod::kMensual, 100'000,
     200'000, 5'289, 20'342, -15'053},
    // 1 day, 16.32: the daily tariff's first row to its top, 16.31 x 1.92 % = 0.31; subsidy 13.39.
    {"1 day at the daily first row's top", 1'000, DaysMethod::kTabla, 1'632, std::nullopt, 31,
     1'339, -1'308},
    // 0.01 x 30.4 / 61 is below half a cent: the monthly base is 0.00, in no row.
    {"61 days 0.01 mensual has a zero monthly base", 61'000, DaysMethod::kMensual, 1, 0, 0, 0, 0},
    // 0.01 x 30.4 / 31 is 0.0098, a cent: the monthly subsidy 407.02 x 31 / 30.4 = 415.05.
    {"31 days 0.01 mensual has a cent's monthly base", 31'000, DaysMethod::kMensual, 1, 1, 0,
     41'505, -41'505},
};

void PrintTo(const Example& e, std::ostream* os) {
    *os << e.name;
}

class DaysPaidExample : public testing::TestWithParam<Example> {};

TEST_P(DaysPaidExample, GivesThePeriodsFigures) {
    const Example& e = GetParam();
    const auto outcome = CalculateDaysPaid(kAnexo8Tables, {e.thousandths}, e.method, Of(e.base));
    ASSERT_TRUE(std::holds_alternative<DaysPaidResult>(outcome));
    const auto& r = std::get<DaysPaidResult>(outcome);
    EXPECT_EQ(r.method, e.method);
    EXPECT_EQ(r.monthlyBase.has_value(), e.monthlyBase.has_value());
    if (e.monthlyBase && r.monthlyBase) {
        EXPECT_EQ(r.monthlyBase->Count(), *e.monthlyBase);
    }
    EXPECT_EQ(r.periodTax.Count(), e.tax);
    EXPECT_EQ(r.periodSubsidy.Count(), e.subsidy);
    EXPECT_EQ(r.result.Count(), e.result);
}

INSTANTIATE_TEST_SUITE_P(PublishedSet, DaysPaidExample, testing::ValuesIn(kExamples),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : info.param.name) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

// The table of a period's own days gives that period's calculation, box for box.
TEST(DaysPaid, TablaOfAPeriodsDaysIsThatPeriod) {
    for (const TableSet* set : {&kProgramTables, &kAnexo8Tables}) {
        for (const auto& [period, days] :
             {std::pair{Period::kSemanal, 7}, std::pair{Period::kQuincenal, 15}}) {
            for (const std::int64_t base : {1, 250'000, 1'000'000, 999'999'999}) {
                SCOPED_TRACE(testing::Message() << set->Name() << " " << days << " " << base);
                const auto r = std::get<DaysPaidResult>(
                    CalculateDaysPaid(*set, {days * 1000}, DaysMethod::kTabla, Of(base)));
                EXPECT_EQ(r.withholding, Calculate(*set, period, Of(base), Cents()));
            }
        }
    }
}

TEST(DaysPaid, RefusesDaysOutsideTheMethodsRange) {
    const struct {
        std::string_view name;
        const TableSet* set;
        std::int32_t thousandths;
        DaysMethod method;
        DaysProblem problem;
    } cases[] = {
        {"tabla 0 days", &kAnexo8Tables, 0, DaysMethod::kTabla, DaysProblem::kOutOfRange},
        {"tabla 32 days", &kAnexo8Tables, 32'000, DaysMethod::kTabla, DaysProblem::kOutOfRange},
        {"tabla 15.5 days", &kAnexo8Tables, 15'500, DaysMethod::kTabla, DaysProblem::kOutOfRange},
        {"tabla -7 days", &kAnexo8Tables, -7'000, DaysMethod::kTabla, DaysProblem::kOutOfRange},
        {"tabla 16 days of the program", &kProgramTables, 16'000, DaysMethod::kTabla,
         DaysProblem::kNoTable},
        {"mensual 0 days", &kProgramTables, 0, DaysMethod::kMensual, DaysProblem::kOutOfRange},
        {"mensual 366.001 days", &kProgramTables, 366'001, DaysMethod::kMensual,
         DaysProblem::kOutOfRange},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = CalculateDaysPaid(*c.set, {c.thousandths}, c.method, Of(100'000));
        ASSERT_TRUE(std::holds_alternative<DaysProblem>(outcome));
        EXPECT_EQ(std::get<DaysProblem>(outcome), c.problem);
    }
}

// The edges of mensual: 30.4 days is the monthly calculation itself, and a base is refused only
// where its monthly base would be beyond the largest amount.
TEST(DaysPaid, MensualOfAMonthIsTheMonthAndStopsAtTheLargestAmount) {
    const auto month = std::get<DaysPaidResult>(
        CalculateDaysPaid(kAnexo8Tables, {30'400}, DaysMethod::kMensual, Of(1'000'000)));
    EXPECT_EQ(month.withholding,
              Calculate(kAnexo8Tables, Period::kMensual, Of(1'000'000), Cents()));
    EXPECT_EQ(month.result, *month.withholding.result);

    const struct {
        std::int32_t thousandths;
        std::int64_t base;
        bool refused;
    } cases[] = {
        {30'400, Cents::kLargestCount, false},
        {366'000, -Cents::kLargestCount, false},
        {1'000, 32'894'736'842'105'263, false},  // x 30.4: 9,999,999,999,999,999.95
        {1'000, 32'894'736'842'105'264, true},
        {1, 32'894'736'842'105, false},  // x 30,400: 9,999,999,999,999,920.00
        {1, 32'894'736'842'106, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.thousandths << " " << c.base);
        const auto outcome =
            CalculateDaysPaid(kAnexo8Tables, {c.thousandths}, DaysMethod::kMensual, Of(c.base));
        EXPECT_EQ(std::holds_alternative<DaysProblem>(outcome), c.refused);
    }
}

}  // namespace
}  // namespace isr
