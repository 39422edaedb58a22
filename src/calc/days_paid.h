// SPDX-License-Identifier: MIT
// The withholding of a pay of any number of days, by either lawful method of 2016:
// - tabla (RLISR art. 176): the tariff and subsidy table of N whole days, calculated as a period's;
// - mensual (LISR art. 96): the base brought to a month (x 30.4 / N), the monthly tariff and
//   subsidy applied, the tax and the subsidy each brought back (x N / 30.4).
// Every step is rounded to cents, halves away from zero.
#pragma once

#include <cstdint>
#include <optional>
#include <variant>

#include "calc/withholding.h"
#include "money/cents.h"
#include "tariffs/table_set.h"

namespace isr {

enum class DaysMethod : std::uint8_t { kTabla, kMensual };

// Days paid, in thousandths of a day, as a payroll receipt's NumDiasPagados gives them: 15.2 days
// is 15200.
struct DaysPaid {
    std::int32_t thousandths;

    bool operator==(const DaysPaid&) const = default;
};

inline constexpr std::int32_t kThousandthsPerDay = 1000;
// The days of a month in the mensual method: 30.4.
inline constexpr std::int32_t kMonthThousandths = 30'400;
// The most days the mensual method takes: a year's pay, 366.
inline constexpr std::int32_t kMostMensualThousandths = 366'000;

enum class DaysProblem : std::uint8_t {
    kOutOfRange,    // tabla: not a whole number from 1 to 31; mensual: not above 0 and up to 366
    kNoTable,       // tabla: the set has no table of that many days
    kBeyondAmount,  // mensual: the base brought to a month is beyond what an amount holds
};

struct DaysPaidResult {
    DaysMethod method;
    // The calculation whose boxes are shown: of the base on the N-day tables (tabla), or of the
    // monthly base on the monthly tables (mensual).
    Withholding withholding;
    std::optional<Cents> monthlyBase;  // mensual only
    Cents periodTax;
    Cents periodSubsidy;
    Cents result;  // the period's tax minus its subsidy

    bool operator==(const DaysPaidResult&) const = default;
};

std::variant<DaysPaidResult, DaysProblem> CalculateDaysPaid(const TableSet& tables, DaysPaid days,
                                                            DaysMethod method, Cents base);

}  // namespace isr
