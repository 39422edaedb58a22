// SPDX-License-Identifier: MIT
// The withholding on an extraordinary payment (aguinaldo, PTU, prima vacacional, prima
// dominical), by both methods the 2016 rules allow: the monthly tariff applied to the month's
// income plus the taxable part (art. 96 LISR), or the payment spread over the year (art. 174 of
// the Reglamento). Every figure in cents; the art. 174 rate is kept as the exact fraction it is.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "calc/input_problem.h"
#include "money/cents.h"
#include "tariffs/table_set.h"

namespace isr {

enum class PaymentConcept : std::uint8_t { kAguinaldo, kPtu, kPrimaVacacional, kPrimaDominical };

// How the command line and the batch name the concepts, in the order of PaymentConcept.
inline constexpr std::array<std::string_view, 4> kConceptNames = {
    "aguinaldo", "ptu", "prima-vacacional", "prima-dominical"};

// The concept's entry in kConceptNames.
std::string_view PaymentConceptName(PaymentConcept paymentConcept);

// The concept of a name as people write it ("Prima Vacacional", "prima_vacacional"; see
// SameWrittenName).
std::optional<PaymentConcept> FindPaymentConcept(std::string_view name);

// The 2016 daily general minimum wage, in force from 1 January 2016 (equal to the 2016 UMA).
inline constexpr Cents kMinimumWage2016 = TableAmount("73.04");

// A prima dominical is paid for at most the Sundays of one year.
inline constexpr int kMostSundays = 53;

struct PaymentInput {
    PaymentConcept paymentConcept;
    Cents ordinaryIncome;  // the worker's ordinary monthly taxable income
    Cents payment;
    int sundays = 0;                       // Sundays worked; counts for the prima dominical only
    Cents minimumWage = kMinimumWage2016;  // daily
};

// D / M as a percentage: 100 x numerator / denominator, reduced; 0 / 1 when M is 0.00.
struct PercentFraction {
    std::int64_t numerator;
    std::int64_t denominator;  // above zero

    // The percentage in ten-thousandths, rounded halves away from zero: 17.9191 % is 179,191.
    // The denominator times a million must fit in 64 bits, as any M of the monthly tariff does.
    std::int64_t TenThousandths() const;

    bool operator==(const PercentFraction&) const = default;
};

// Art. 174 of the Reglamento: the payment's taxable part brought to a month, taxed on top of the
// ordinary income by the monthly tariff (determined tax only, no subsidy), and the rate that
// difference makes applied to the whole taxable part.
struct SpreadMethod {
    Cents monthlyShare;    // M = G / 365 x 30.4, rounded
    Cents baseWithShare;   // O + M
    Cents taxWithShare;    // T1: the determined tax of O + M
    Cents taxWithout;      // T0: the determined tax of O
    Cents taxDifference;   // D = T1 - T0
    PercentFraction rate;  // D / M x 100
    Cents withholding;     // G x D / M, rounded once; 0.00 when M is 0.00
};

// Art. 96 LISR: the taxable part added to the month's income, the difference of the 2016
// procedure (tax minus the month's subsidy) with and without it.
struct MonthlyMethod {
    Cents baseWithPayment;       // O + G
    Cents procedureWithPayment;  // the 2016 procedure of O + G
    Cents procedureWithout;      // the 2016 procedure of O
    Cents withholding;           // the difference
};

struct ExtraordinaryPayment {
    // The exemption assumes none of the year's exemption for the concept has been used yet.
    Cents exemptCap;  // 30, 15, 15 or (per Sunday) 1 times the minimum wage
    Cents exempt;     // E = min(P, cap)
    Cents taxable;    // G = P - E
    SpreadMethod spread;
    MonthlyMethod monthly;
};

enum class PaymentMethod : std::uint8_t { kSpread, kMonthly, kNeither };

// The method that withholds less: art. 174 (kSpread), art. 96 (kMonthly), or kNeither when both
// withhold the same.
PaymentMethod WithholdsLess(const ExtraordinaryPayment& payment);

// The inputs of a payment in the order of the command line's arguments: CONCEPTO
// INGRESO_MENSUAL IMPORTE [DOMINGOS], then --salario-minimo. Only a text can fail to name a
// concept; the calculation finds fault with the others.
enum class PaymentField : std::uint8_t {
    kConcept,
    kOrdinaryIncome,
    kPayment,
    kSundays,
    kMinimumWage
};

// The problems the calculation finds: kNegative; kBeyondTariff, the income, or the income plus
// the taxable part, above the monthly tariff's top row; kOutOfRange, Sundays beyond 0 to
// kMostSundays, a minimum wage of 0.00 or one too large to take 30 times; kNotForConcept.
struct PaymentError {
    PaymentField field;
    InputProblem problem;

    bool operator==(const PaymentError&) const = default;
};

// What is wrong with an ordinary monthly income, the first field: below zero, or above the
// monthly tariff's top row.
std::optional<PaymentError> OrdinaryIncomeError(const TableSet& tables, Cents ordinaryIncome);

// Both methods with the tables of `tables`; an error names the first field at fault, in the
// order of PaymentField.
std::variant<ExtraordinaryPayment, PaymentError> CalculateExtraordinaryPayment(
    const TableSet& tables, const PaymentInput& input);

}  // namespace isr
