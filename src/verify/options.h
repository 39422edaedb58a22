// SPDX-License-Identifier: MIT
// The command line of isr2016-verify.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "tariffs/periods.h"
#include "tariffs/table_sets.h"

namespace isr::verify {

struct Options {
    std::int64_t stride = 1;         // check every stride-th cent
    std::optional<Period> period;    // one period, or all of them
    std::int64_t texts = 1'000'000;  // random amount texts whose rounding is checked
    const TableSet* tables = &DefaultTableSet();
    bool grossUp = false;  // check the gross-up of every target net instead
    // Check the withholding on extraordinary payments instead, with every table set unless
    // --tablas names one.
    bool payments = false;
    // Check the pay of N days instead, with every table set unless --tablas names one.
    bool days = false;
    // Check the month's subsidy cap and the year's tax instead, with every table set unless
    // --tablas names one.
    bool annual = false;
    bool tablesGiven = false;
};

inline constexpr std::string_view kUsage =
    "usage: isr2016-verify [--stride N] [--period NAME] [--tablas NAME] [--texts N] [--neto | "
    "--pago | --dias | --ejercicio]";

// The options, or a message saying what is wrong with the arguments.
std::variant<Options, std::string> ParseOptions(std::span<const std::string_view> args);

}  // namespace isr::verify
