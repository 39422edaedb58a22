// SPDX-License-Identifier: MIT
// The 2016 tariffs as exact integers, read from the same row texts that the program shows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace isr::oracle {

// Amounts in cents, the rate in hundredths of a percent (1.92 % is 192).
struct ExactIsrRow {
    std::int64_t lower;
    std::int64_t upper;
    std::int64_t fee;
    std::int64_t rate;
};

struct ExactSubsidyRow {
    std::int64_t lower;
    std::int64_t upper;
    std::int64_t subsidy;
};

// A row text cut at its "|" characters into exactly four (three) plain numbers; nothing for any
// other text.
std::optional<ExactIsrRow> ParseExactIsrRow(std::string_view row);
std::optional<ExactSubsidyRow> ParseExactSubsidyRow(std::string_view row);

struct ExactPeriodTables {
    std::vector<ExactIsrRow> isr;
    std::vector<ExactSubsidyRow> subsidy;  // empty for "Anual"
};

// The tables of a period by its list position ("Mensual" 0 to "Quincenal" 5), parsed on first use.
// Throws std::logic_error for a position outside the list and for a row text that does not read.
const ExactPeriodTables& ExactTablesOf(int period);

}  // namespace isr::oracle
