// SPDX-License-Identifier: MIT
// What every message of isr2016-cli must be, whatever the input held: short lines of valid
// UTF-8 that a terminal shows as they are.
#pragma once

#include <string>
#include <vector>

namespace isr::test {

inline constexpr std::size_t kLongestMessageLine = 200;  // bytes

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

// Checks `err` with GoogleTest expectations.
void ExpectCleanMessages(const std::string& err);

}  // namespace isr::test
