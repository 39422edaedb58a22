// SPDX-License-Identifier: MIT
// isr2016-cli --help, and the lists of names it shares with the messages.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace isr::cli {

// "a, b o c".
std::string ListedWithOr(std::span<const std::string_view> names);

// "programa o anexo8", from the table sets themselves.
std::string TableSetNames();

// The whole help, its --tablas paragraph made from the table sets.
void WriteHelp(std::ostream& out);

}  // namespace isr::cli
