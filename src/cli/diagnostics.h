// SPDX-License-Identifier: MIT
// How isr2016-cli speaks on standard error: each message on a line of its own, after the
// program's name.
#pragma once

#include <iosfwd>
#include <string_view>

namespace isr::cli {

// What starts every message, and every bad row's in a batch.
inline constexpr std::string_view kMessagePrefix = "isr2016-cli: ";

// `err` after kMessagePrefix, for the message and its line end to follow.
std::ostream& Message(std::ostream& err);

// The problem with the arguments on one line, and where to read more on the next; returns
// kExitUsage.
int UsageError(std::ostream& err, std::string_view problem);

// "no se puede abrir PATH para PURPOSE: why", the system's reason for `error`; returns kExitUsage.
int CannotOpen(std::ostream& err, std::string_view path, std::string_view purpose, int error);

}  // namespace isr::cli
