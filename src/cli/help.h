// SPDX-License-Identifier: MIT
// isr2016-cli --help, and the lists of names it shares with the messages.
#pragma once

#include <iosfwd>
#include <string>

namespace isr::cli {

// "programa o anexo8", from the table sets themselves.
std::string TableSetNames();

// The whole help, its --tablas paragraph made from the table sets.
void WriteHelp(std::ostream& out);

}  // namespace isr::cli
