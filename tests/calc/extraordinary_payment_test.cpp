// SPDX-License-Identifier: MIT
// Both methods of withholding on an extraordinary payment against figures worked out by hand
// from the monthly tariff and subsidy table: M = G x 30.4 / 365 rounded, T = round(excess x
// rate) + fee, the art. 174 withholding round(G x D / M), the art. 96 one the difference of the
// 2016 procedures. Every other payment of the grid is checked by isr2016-verify --pago.
#include "calc/extraordinary_payment.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "money/amount_text.h"
#include "tariffs/program_tables.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

Cents C(std::string_view amount) {
    return ReadAmount(amount).cents;
}

std::string Shown(Cents amount) {
    return AmountText(amount).String();
}

// A rate as the worked figures write it, "1.9193", in ten-thousandths: 19,193.
std::int64_t TenThousandths(std::string_view percent) {
    std::string digits(percent);
    digits.erase(digits.find('.'), 1);
    return std::stoll(digits);
}

TEST(ExtraordinaryPayment, BothMethodsToTheCent) {
    struct Case {
        std::string_view name;
        std::string_view tables;
        PaymentConcept paymentConcept;
        std::string_view income;
        std::string_view payment;
        int sundays;
        std::string_view minimumWage;
        // Cap, exempt, taxable; M, T1, T0, D, rate, art. 174; O + G, its procedure, that of O,
        // art. 96.
        std::array<std::string_view, 13> figures;
    };
    using enum PaymentConcept;
    const Case cases[] = {
        // 30 x 73.04 = 2,191.20 exempt. M = 2,808.80 x 30.4 / 365 = 233.938 -> 233.94;
        // 10,233.94 - 8,601.51 = 1,632.43 x 17.92 % = 292.53 + 786.54; 1,398.49 x 17.92 % =
        // 250.61 + 786.54; 2,808.80 x 41.92 / 233.94 = 503.312; 12,808.80 in the 21.36 % row:
        // 2,510.44 x 21.36 % = 536.23 + 1,090.61, no subsidy either side.
        {"the worked example",
         "programa",
         kAguinaldo,
         "10,000.00",
         "5,000.00",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "2,808.80", "233.94", "1,079.07", "1,037.15", "41.92", "17.9191",
          "503.31", "12,808.80", "1,626.84", "1,037.15", "589.69"}},
        {"an aguinaldo below its cap is all exempt",
         "programa",
         kAguinaldo,
         "10,000.00",
         "2,000.00",
         0,
         "73.04",
         {"2,191.20", "2,000.00", "0.00", "0.00", "1,037.15", "1,037.15", "0.00", "0.0000", "0.00",
          "10,000.00", "1,037.15", "1,037.15", "0.00"}},
        {"an aguinaldo at its cap is all exempt",
         "programa",
         kAguinaldo,
         "10,000.00",
         "2,191.20",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "0.00", "0.00", "1,037.15", "1,037.15", "0.00", "0.0000", "0.00",
          "10,000.00", "1,037.15", "1,037.15", "0.00"}},
        // G = 0.06: M = 0.0049 -> 0.00, so nothing by art. 174; art. 96 taxes 0.06 at 17.92 %.
        {"a taxable part too small to make a monthly share",
         "programa",
         kAguinaldo,
         "10,000.00",
         "2,191.26",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "0.06", "0.00", "1,037.15", "1,037.15", "0.00", "0.0000", "0.00",
          "10,000.06", "1,037.16", "1,037.15", "0.01"}},
        {"the first taxable part with a monthly share",
         "programa",
         kAguinaldo,
         "10,000.00",
         "2,191.27",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "0.07", "0.01", "1,037.15", "1,037.15", "0.00", "0.0000", "0.00",
          "10,000.07", "1,037.16", "1,037.15", "0.01"}},
        {"a PTU a cent below its cap of 15 wages",
         "programa",
         kPtu,
         "10,000.00",
         "1,095.59",
         0,
         "73.04",
         {"1,095.60", "1,095.59", "0.00", "0.00", "1,037.15", "1,037.15", "0.00", "0.0000", "0.00",
          "10,000.00", "1,037.15", "1,037.15", "0.00"}},
        // M = 28,904.40 x 30.4 / 365 = 2,407.375 -> 2,407.38; 12,407.38 in the 21.36 % row:
        // 2,109.02 x 21.36 % = 450.49 + 1,090.61; 28,904.40 x 503.95 / 2,407.38 = 6,050.72;
        // 38,904.40 in the 30 % row: 6,167.56 x 30 % = 1,850.27 + 6,141.95.
        {"a PTU far above its cap",
         "programa",
         kPtu,
         "10,000.00",
         "30,000.00",
         0,
         "73.04",
         {"1,095.60", "1,095.60", "28,904.40", "2,407.38", "1,541.10", "1,037.15", "503.95",
          "20.9335", "6,050.72", "38,904.40", "7,992.22", "1,037.15", "6,955.07"}},
        // Here the art. 174 figure is the higher by a cent.
        {"a prima vacacional in the 16 % row",
         "programa",
         kPrimaVacacional,
         "8,000.00",
         "1,500.00",
         0,
         "73.04",
         {"1,095.60", "1,095.60", "404.40", "33.68", "695.69", "690.30", "5.39", "16.0036", "64.72",
          "8,404.40", "755.01", "690.30", "64.71"}},
        {"a prima dominical without Sundays has no exemption",
         "programa",
         kPrimaDominical,
         "9,000.00",
         "500.00",
         0,
         "73.04",
         {"0.00", "0.00", "500.00", "41.64", "865.41", "857.95", "7.46", "17.9155", "89.58",
          "9,500.00", "947.55", "857.95", "89.60"}},
        {"a prima dominical of three Sundays exempts three wages",
         "programa",
         kPrimaDominical,
         "9,000.00",
         "500.00",
         3,
         "73.04",
         {"219.12", "219.12", "280.88", "23.39", "862.14", "857.95", "4.19", "17.9136", "50.32",
          "9,280.88", "908.28", "857.95", "50.33"}},
        {"a prima dominical of five Sundays",
         "programa",
         kPrimaDominical,
         "9,000.00",
         "500.00",
         5,
         "73.04",
         {"365.20", "365.20", "134.80", "11.23", "859.96", "857.95", "2.01", "17.8985", "24.13",
          "9,134.80", "882.11", "857.95", "24.16"}},
        {"the minimum wage of late 2015",
         "programa",
         kAguinaldo,
         "10,000.00",
         "5,000.00",
         0,
         "70.10",
         {"2,103.00", "2,103.00", "2,897.00", "241.28", "1,080.39", "1,037.15", "43.24", "17.9211",
          "519.17", "12,897.00", "1,645.68", "1,037.15", "608.53"}},
        {"the minimum wage of 2017",
         "programa",
         kAguinaldo,
         "10,000.00",
         "5,000.00",
         0,
         "80.04",
         {"2,401.20", "2,401.20", "2,598.80", "216.45", "1,075.94", "1,037.15", "38.79", "17.9210",
          "465.73", "12,598.80", "1,581.98", "1,037.15", "544.83"}},
        // 10,200.00 is in the 17.92 % row, 10,433.94 in the 21.36 % one.
        {"the income and the income plus M in different rows",
         "programa",
         kAguinaldo,
         "10,200.00",
         "5,000.00",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "2,808.80", "233.94", "1,119.57", "1,072.99", "46.58", "19.9111",
          "559.26", "13,008.80", "1,669.56", "1,072.99", "596.57"}},
        // 7,000.00 has a subsidy of 253.54 (procedure 550.74 - 253.54 = 297.20); 7,904.40 has
        // none, so art. 96 takes the lost subsidy too.
        {"the income plus G past the end of the subsidy",
         "programa",
         kPtu,
         "7,000.00",
         "2,000.00",
         0,
         "73.04",
         {"1,095.60", "1,095.60", "904.40", "75.33", "558.93", "550.74", "8.19", "10.8722", "98.33",
          "7,904.40", "675.01", "297.20", "377.81"}},
        // Row 2's fee is 247.23 in the program's tables and 247.24 in the published ones: both
        // taxes of art. 174 move by the cent and D does not; of art. 96 only that of O moves.
        {"an income in the row where the sets differ, program's tables",
         "programa",
         kAguinaldo,
         "5,000.00",
         "5,000.00",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "2,808.80", "233.94", "358.59", "333.14", "25.45", "10.8789",
          "305.57", "7,808.80", "659.71", "8.27", "651.44"}},
        {"an income in the row where the sets differ, published tables",
         "anexo8",
         kAguinaldo,
         "5,000.00",
         "5,000.00",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "2,808.80", "233.94", "358.60", "333.15", "25.45", "10.8789",
          "305.57", "7,808.80", "659.71", "8.28", "651.43"}},
        // 4,210.41 pays 3,714.33 x 6.4 % = 237.72 + 9.52 = 247.24, and the next cent only the
        // next row's fee, 247.23: a tax a cent lower, a rate of -100 % and a withholding below
        // zero, as the law's formula gives.
        {"a monthly share across a row limit where the tax falls",
         "programa",
         kAguinaldo,
         "4,210.41",
         "2,191.27",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "0.07", "0.01", "247.23", "247.24", "-0.01", "-100.0000", "-0.07",
          "4,210.48", "-135.22", "-135.22", "0.00"}},
        {"the same limit in the published tables, where it does not fall",
         "anexo8",
         kAguinaldo,
         "4,210.41",
         "2,191.27",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "0.07", "0.01", "247.24", "247.24", "0.00", "0.0000", "0.00",
          "4,210.48", "-135.21", "-135.22", "0.01"}},
        // 0.00 matches no row and has no subsidy; 2,808.80 has the subsidy of 406.83.
        {"no ordinary income",
         "programa",
         kAguinaldo,
         "0.00",
         "5,000.00",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "2,808.80", "233.94", "4.49", "0.00", "4.49", "1.9193", "53.91",
          "2,808.80", "-249.09", "0.00", "-249.09"}},
        {"the income plus G at the top of the tariff",
         "programa",
         kAguinaldo,
         "99,997,191.19",
         "5,000.00",
         0,
         "73.04",
         {"2,191.20", "2,191.20", "2,808.80", "233.94", "34,990,003.02", "34,989,921.14", "81.88",
          "35.0004", "983.09", "99,999,999.99", "34,990,904.22", "34,989,921.14", "983.08"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TableSet* tables = FindTableSet(c.tables);
        ASSERT_NE(tables, nullptr);
        const auto result = CalculateExtraordinaryPayment(
            *tables, {c.paymentConcept, C(c.income), C(c.payment), c.sundays, C(c.minimumWage)});
        const auto* p = std::get_if<ExtraordinaryPayment>(&result);
        ASSERT_NE(p, nullptr);
        const std::array<std::string, 13> figures = {
            Shown(p->exemptCap),
            Shown(p->exempt),
            Shown(p->taxable),
            Shown(p->spread.monthlyShare),
            Shown(p->spread.taxWithShare),
            Shown(p->spread.taxWithout),
            Shown(p->spread.taxDifference),
            std::to_string(p->spread.rate.TenThousandths()),
            Shown(p->spread.withholding),
            Shown(p->monthly.baseWithPayment),
            Shown(p->monthly.procedureWithPayment),
            Shown(p->monthly.procedureWithout),
            Shown(p->monthly.withholding),
        };
        constexpr std::size_t kRate = 7;
        for (std::size_t i = 0; i < figures.size(); ++i) {
            EXPECT_EQ(figures[i],
                      i == kRate ? std::to_string(TenThousandths(c.figures[i])) : c.figures[i])
                << "figure " << i;
        }
        EXPECT_EQ(p->spread.baseWithShare, C(c.income) + p->spread.monthlyShare);
    }
}

TEST(ExtraordinaryPayment, KeepsTheRateAsAReducedFraction) {
    const auto result = CalculateExtraordinaryPayment(
        kProgramTables, {PaymentConcept::kAguinaldo, C("10,000.00"), C("5,000.00")});
    // D / M = 41.92 / 233.94 = 2,096 / 11,697.
    EXPECT_EQ(std::get<ExtraordinaryPayment>(result).spread.rate, (PercentFraction{2096, 11697}));
}

TEST(ExtraordinaryPayment, SaysWhichMethodWithholdsLess) {
    struct Case {
        std::string_view name;
        PaymentConcept paymentConcept;
        std::string_view income;
        std::string_view payment;
        PaymentMethod less;
    };
    using enum PaymentConcept;
    using enum PaymentMethod;
    const Case cases[] = {
        {"art. 174 in the worked example, 503.31 to 589.69", kAguinaldo, "10,000.00", "5,000.00",
         kSpread},
        {"art. 96 by a cent, 64.71 to 64.72", kPrimaVacacional, "8,000.00", "1,500.00", kMonthly},
        {"neither when all is exempt", kAguinaldo, "10,000.00", "2,191.20", kNeither},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = CalculateExtraordinaryPayment(
            kProgramTables, {c.paymentConcept, C(c.income), C(c.payment)});
        EXPECT_EQ(WithholdsLess(std::get<ExtraordinaryPayment>(result)), c.less);
    }
}

TEST(ExtraordinaryPayment, NamesTheFieldAtFault) {
    struct Case {
        std::string_view name;
        PaymentConcept paymentConcept;
        std::string_view income;
        std::string_view payment;
        int sundays;
        std::string_view minimumWage;
        PaymentError error;
    };
    using enum PaymentConcept;
    using enum PaymentField;
    using enum InputProblem;
    const Case cases[] = {
        {"a negative income",
         kAguinaldo,
         "-0.01",
         "5,000.00",
         0,
         "73.04",
         {kOrdinaryIncome, kNegative}},
        {"an income above the monthly tariff",
         kAguinaldo,
         "100,000,000.00",
         "0.00",
         0,
         "73.04",
         {kOrdinaryIncome, kBeyondTariff}},
        {"a negative payment", kPtu, "10,000.00", "-5.00", 0, "73.04", {kPayment, kNegative}},
        // 99,997,191.19 + 2,808.81 is a cent above the top row's 99,999,999.99.
        {"an income plus G a cent above the tariff",
         kAguinaldo,
         "99,997,191.19",
         "5,000.01",
         0,
         "73.04",
         {kPayment, kBeyondTariff}},
        {"a payment beyond any tariff",
         kPtu,
         "0.00",
         "9,999,999,999,999,999.99",
         0,
         "73.04",
         {kPayment, kBeyondTariff}},
        {"negative Sundays",
         kPrimaDominical,
         "10,000.00",
         "500.00",
         -1,
         "73.04",
         {kSundays, kNegative}},
        {"more Sundays than a year has",
         kPrimaDominical,
         "10,000.00",
         "500.00",
         54,
         "73.04",
         {kSundays, kOutOfRange}},
        {"Sundays for an aguinaldo",
         kAguinaldo,
         "10,000.00",
         "5,000.00",
         1,
         "73.04",
         {kSundays, kNotForConcept}},
        {"a negative minimum wage",
         kAguinaldo,
         "10,000.00",
         "5,000.00",
         0,
         "-73.04",
         {kMinimumWage, kNegative}},
        {"a minimum wage of nothing",
         kAguinaldo,
         "10,000.00",
         "5,000.00",
         0,
         "0.00",
         {kMinimumWage, kOutOfRange}},
        {"a minimum wage too large to take 53 times",
         kPrimaDominical,
         "10,000.00",
         "500.00",
         53,
         "9,999,999,999,999,999.99",
         {kMinimumWage, kOutOfRange}},
        // The income is checked before the payment.
        {"a negative income and payment",
         kAguinaldo,
         "-1.00",
         "-1.00",
         0,
         "73.04",
         {kOrdinaryIncome, kNegative}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = CalculateExtraordinaryPayment(
            kProgramTables,
            {c.paymentConcept, C(c.income), C(c.payment), c.sundays, C(c.minimumWage)});
        const auto* error = std::get_if<PaymentError>(&result);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(*error, c.error);
    }
    // 53 Sundays at the largest wage that allows them are a calculation.
    const auto largest = CalculateExtraordinaryPayment(
        kProgramTables, {kPrimaDominical, C("10,000.00"), C("500.00"), 53,
                         *Cents::FromCount(Cents::kLargestCount / 53)});
    EXPECT_TRUE(std::holds_alternative<ExtraordinaryPayment>(largest));
}

TEST(ExtraordinaryPayment, ConceptNamesAsPeopleWriteThem) {
    using enum PaymentConcept;
    for (const auto paymentConcept : {kAguinaldo, kPtu, kPrimaVacacional, kPrimaDominical}) {
        EXPECT_EQ(FindPaymentConcept(PaymentConceptName(paymentConcept)), paymentConcept);
    }
    EXPECT_EQ(FindPaymentConcept("AGUINALDO"), kAguinaldo);
    EXPECT_EQ(FindPaymentConcept("Prima-Dominical"), kPrimaDominical);
    EXPECT_EQ(FindPaymentConcept("PTU"), kPtu);
    for (const std::string_view written :
         {"prima vacacional", "Prima Vacacional", "prima_vacacional", "PRIMA-VACACIONAL",
          "príma vacacíonal", " prima  vacacional "}) {
        EXPECT_EQ(FindPaymentConcept(written), kPrimaVacacional) << written;
    }
    EXPECT_EQ(FindPaymentConcept("primavacacional"), std::nullopt);
    EXPECT_EQ(FindPaymentConcept("aguinaldos"), std::nullopt);
    EXPECT_EQ(FindPaymentConcept(""), std::nullopt);
}

}  // namespace
}  // namespace isr
