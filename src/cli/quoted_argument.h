// SPDX-License-Identifier: MIT
// How an error message shows an argument the user gave: whatever its bytes, the message stays one
// short line of valid UTF-8 that cannot drive the terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace isr::cli {

inline constexpr std::size_t kQuotedCharacters = 40;
inline constexpr std::size_t kQuotedPathCharacters = 160;  // a path must stay recognisable

// The text in double quotes. Printable ASCII and well-formed UTF-8 letters stay as they are; '"'
// and '\' are escaped with '\'; control characters and bytes that are not UTF-8 show as \xNN.
// After `maxCharacters` characters the text is cut and "…" closes it.
std::string QuotedArgument(std::string_view text, std::size_t maxCharacters = kQuotedCharacters);

}  // namespace isr::cli
