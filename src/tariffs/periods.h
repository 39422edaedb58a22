// SPDX-License-Identifier: MIT
// Pay periods, in the order of the window's period list.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace isr {

enum class Period : std::uint8_t { kMensual, kAnual, kSemanal, kDecenal, kCatorcenal, kQuincenal };

inline constexpr std::size_t kPeriodCount = 6;

inline constexpr std::array<Period, kPeriodCount> kPeriods = {
    Period::kMensual, Period::kAnual,      Period::kSemanal,
    Period::kDecenal, Period::kCatorcenal, Period::kQuincenal,
};

inline constexpr std::array<std::string_view, kPeriodCount> kPeriodNames = {
    "Mensual", "Anual", "Semanal", "Decenal", "Catorcenal", "Quincenal",
};

// The period's position in the list, 0 "Mensual" to 5 "Quincenal".
constexpr std::size_t PeriodIndex(Period period) {
    return static_cast<std::size_t>(period);
}

constexpr std::string_view PeriodName(Period period) {
    return kPeriodNames[PeriodIndex(period)];
}

// The period at a list position; nothing outside the list (-1 is "nothing selected").
constexpr std::optional<Period> PeriodAt(int listIndex) {
    if (listIndex < 0 || listIndex >= static_cast<int>(kPeriodCount)) return std::nullopt;
    return kPeriods[static_cast<std::size_t>(listIndex)];
}

// The period of a name, matched without regard to ASCII case ("mensual" works).
std::optional<Period> FindPeriod(std::string_view name);

}  // namespace isr
