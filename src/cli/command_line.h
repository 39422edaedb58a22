// SPDX-License-Identifier: MIT
// isr2016-cli: the withholding calculation from a terminal or a script.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace isr::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;  // bad arguments: nothing was calculated

// Runs the program on its arguments (without the program name); returns the exit status.
int Run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace isr::cli
