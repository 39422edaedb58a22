// SPDX-License-Identifier: MIT
// The employer's annual calculation of one employee's year (LISR art. 97): the year's taxable pay
// through the annual tariff, minus the employment subsidy that corresponded month by month, against
// what was withheld. A month's subsidy is its payments' subsidies, but never more than the monthly
// subsidy table gives for the month's whole taxable pay (DOF 11-XII-2013, art. Décimo, fr. I).
// Payments are added one at a time, in any order: nothing of them is kept but sums.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

#include "annual/iso_date.h"
#include "money/cents.h"
#include "tariffs/table_set.h"

namespace isr {

struct YearPayment {
    IsoDate paid;  // FechaPago: the month whose subsidy it counts in
    // The period it pays; nothing when unknown, and the payment date stands for both ends.
    std::optional<IsoDate> periodStart;
    std::optional<IsoDate> periodEnd;
    Cents taxable;
    Cents exempt;
    Cents withheld;  // the ISR withheld from it
    Cents subsidy;   // the employment subsidy it caused
};

struct MonthSubsidy {
    std::uint64_t payments = 0;
    Cents taxable;    // the month's taxable pay
    Cents subsidies;  // its payments' subsidies, summed
    Cents cap;        // the monthly table's subsidy for `taxable`
    Cents credited;   // the lesser of the two
    Cents beyondCap;  // subsidies minus credited: what the month's payments gave beyond the cap
};

// Why the employer does not make the calculation and the employee files instead (LISR art. 97,
// its cases a and b; the third, a worker's written notice, is not in any payment).
struct Exclusions {
    bool incomeAbove = false;  // the year's income, taxable and exempt, above 400,000.00
    bool startsLate = false;   // the first period starts after 1 January
    bool endsEarly = false;    // the last period ends before 1 December

    bool Any() const { return incomeAbove || startsLate || endsEarly; }
};

inline constexpr Cents kMostIncomeCalculated = TableAmount("400000.00");

enum class AnnualResult : std::uint8_t { kACargo, kAFavor, kSinDiferencia, kNoCorresponde };

struct AnnualCalculation {
    int year;
    std::uint64_t payments;
    IsoDate firstPeriod;           // the earliest period start
    IsoDate lastPeriod;            // the latest period end
    bool periodsFromPaymentDates;  // some payment had no period: its payment date stood for it
    Cents taxable;
    Cents income;     // taxable and exempt
    Cents isrTariff;  // the annual tariff's tax on `taxable`
    Cents subsidy;    // the months' credited subsidies
    Cents isrYear;    // isrTariff minus subsidy, never below zero: the year pays out no subsidy
    Cents withheld;
    Cents difference;  // isrYear minus withheld: above zero withheld, below zero given back
    Exclusions exclusions;
    AnnualResult result;
    std::array<MonthSubsidy, 12> months;  // January first
};

// The years the 2016 tariffs and subsidy tables were in force, unchanged.
inline constexpr int kFirstTariffYear = 2014;
inline constexpr int kLastTariffYear = 2017;

enum class AnnualProblem : std::uint8_t {
    kOutsideTariffYears,  // paid before 2014 or after 2017, under other tables
    kBeyondAmount,        // a sum beyond what an amount holds
    kBeyondTariff,        // the year's taxable pay above the annual tariff's top row
};

class EmployeeYear {
  public:
    explicit EmployeeYear(int year) : year_(year) {}

    int Year() const { return year_; }
    // `payment` is paid in Year(). Once a sum goes beyond what an amount holds the year stays
    // beyond it.
    void Add(const YearPayment& payment);
    std::variant<AnnualCalculation, AnnualProblem> Calculate(const TableSet& tables) const;

  private:
    struct MonthSums {
        std::uint64_t payments = 0;
        Cents taxable;
        Cents subsidies;
    };

    int year_;
    bool beyondAmount_ = false;
    std::uint64_t payments_ = 0;
    std::optional<IsoDate> firstPeriod_;
    std::optional<IsoDate> lastPeriod_;
    bool periodsFromPaymentDates_ = false;
    Cents exempt_;
    Cents withheld_;
    std::array<MonthSums, 12> months_{};
};

}  // namespace isr
