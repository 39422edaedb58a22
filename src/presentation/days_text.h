// SPDX-License-Identifier: MIT
// Days paid and their method as a person or a file writes them: "15", "15.2", "0.5"; "tabla",
// "mensual".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/days_paid.h"
#include "tariffs/table_set.h"

namespace isr {

// Digits with an optional "." and at most three decimals ("15", "15.2", ".5", "7."), at least one
// digit. Nothing for any other text (a sign, a comma, a fourth decimal, blanks). A value too large
// for any method reads as one just above the largest, for the calculation to refuse it.
std::optional<DaysPaid> ReadDaysPaid(std::string_view text);

// "tabla" or "mensual", without regard to ASCII case; nothing for any other text.
std::optional<DaysMethod> FindDaysMethod(std::string_view name);

constexpr std::string_view DaysMethodName(DaysMethod method) {
    return method == DaysMethod::kTabla ? "tabla" : "mensual";
}

// The days a method takes, as every front end's message says them: "un número entero de 1 a 31"
// (tabla), "más de 0 y a lo sumo 366" (mensual).
std::string DaysRangeText(DaysMethod method);

// Why a set without daily tables has no table of the days asked: "las tablas programa sólo
// tienen las de 7, 10, 14 y 15 días".
std::string NoDaysTableText(const TableSet& tables);

}  // namespace isr
