// SPDX-License-Identifier: MIT
// isr2016-cli: the withholding calculation from a terminal or a script.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "cli/exit_status.h"

namespace isr::cli {

// The standard streams of the program, and what it needs to know about them.
struct Console {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;  // progress lines are for a person watching, not for a log
    // The descriptors behind `in` and `out`, or -1 when they are no process's streams. The batch
    // reads its input straight from the descriptor, so that rows from a pipe are calculated as
    // they arrive, and refuses to write into the file it reads.
    int inDescriptor = -1;
    int outDescriptor = -1;
};

// Runs the program on its arguments (without the program name); returns the exit status.
int Run(std::span<const std::string_view> args, const Console& console);

}  // namespace isr::cli
