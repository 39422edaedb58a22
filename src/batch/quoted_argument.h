// SPDX-License-Identifier: MIT
// How an error message shows text the user gave (an argument, a CSV cell or column name):
// whatever its bytes, the message stays one short line of valid UTF-8 that cannot drive the
// terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace isr {

inline constexpr std::size_t kQuotedCharacters = 40;
inline constexpr std::size_t kQuotedPathCharacters = 160;  // a path must stay recognisable

// The text as a message shows it: printable ASCII and well-formed UTF-8 letters stay as they are;
// '"' and '\' are escaped with '\'; control characters (bidirectional controls and the byte
// order mark too) and bytes that are not UTF-8 show as \xNN, byte by byte. After `maxCharacters`
// characters the text is cut and "…" ends it.
std::string EscapedText(std::string_view text, std::size_t maxCharacters = kQuotedCharacters);

// EscapedText in double quotes.
std::string QuotedArgument(std::string_view text, std::size_t maxCharacters = kQuotedCharacters);

}  // namespace isr
