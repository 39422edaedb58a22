// SPDX-License-Identifier: MIT
// Pay periods, identified by their position in the period list of the window.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace isr {

enum PeriodIndex : int {
    kMensual = 0,
    kAnual = 1,
    kSemanal = 2,
    kDecenal = 3,
    kCatorcenal = 4,
    kQuincenal = 5,
};

inline constexpr std::array<std::string_view, 6> kPeriodNames = {
    "Mensual", "Anual", "Semanal", "Decenal", "Catorcenal", "Quincenal",
};

// The list position of a period name, matched without regard to ASCII case ("mensual" works).
std::optional<int> FindPeriod(std::string_view name);

}  // namespace isr
