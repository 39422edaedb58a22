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

// What a period takes, asked of it by the calculation and the front ends.
struct PeriodFacts {
    Period period;
    std::string_view name;  // as the window's list, the command line and the outputs write it
    // A period with an employment-subsidy table credits the row of its base; one without it
    // (the year) credits the subsidy paid over the year, typed as the subsidy sum.
    bool hasSubsidyTable;
    bool listed;  // its tables are in the tariff listing
};

// In the order of kPeriods, one entry each (checked below).
inline constexpr std::array<PeriodFacts, kPeriodCount> kPeriodFacts = {{
    {Period::kMensual, "Mensual", true, true},
    {Period::kAnual, "Anual", false, true},
    {Period::kSemanal, "Semanal", true, false},
    {Period::kDecenal, "Decenal", true, false},
    {Period::kCatorcenal, "Catorcenal", true, false},
    {Period::kQuincenal, "Quincenal", true, false},
}};

// The period's position in the list, 0 "Mensual" to 5 "Quincenal".
constexpr std::size_t PeriodIndex(Period period) {
    return static_cast<std::size_t>(period);
}

static_assert([] {
    for (std::size_t i = 0; i < kPeriodCount; ++i) {
        if (kPeriodFacts[i].period != kPeriods[i] || PeriodIndex(kPeriods[i]) != i) return false;
    }
    return true;
}());

constexpr const PeriodFacts& FactsOf(Period period) {
    return kPeriodFacts[PeriodIndex(period)];
}

inline constexpr std::array<std::string_view, kPeriodCount> kPeriodNames = [] {
    std::array<std::string_view, kPeriodCount> names;
    for (std::size_t i = 0; i < kPeriodCount; ++i) names[i] = kPeriodFacts[i].name;
    return names;
}();

constexpr std::string_view PeriodName(Period period) {
    return FactsOf(period).name;
}

constexpr bool HasSubsidyTable(Period period) {
    return FactsOf(period).hasSubsidyTable;
}

// Whether the typed subsidy sum is credited: only where no subsidy table is.
constexpr bool TakesSubsidySum(Period period) {
    return !HasSubsidyTable(period);
}

// The period at a list position; nothing outside the list (-1 is "nothing selected").
constexpr std::optional<Period> PeriodAt(int listIndex) {
    if (listIndex < 0 || listIndex >= static_cast<int>(kPeriodCount)) return std::nullopt;
    return kPeriods[static_cast<std::size_t>(listIndex)];
}

// The period of a name as people write it (" mensual", "QUINCENAL"; see SameWrittenName).
std::optional<Period> FindPeriod(std::string_view name);

}  // namespace isr
