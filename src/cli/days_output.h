// SPDX-License-Identifier: MIT
// isr2016-cli --dias N [--metodo tabla|mensual] BASE: the pay of N days, as text or JSON.
#pragma once

#include <iosfwd>

#include "cli/options.h"

namespace isr::cli {

// Reads --dias, --metodo and BASE, and writes the calculation; a bad one is a usage error naming
// it. Returns the exit status, before the output is flushed.
int RunDaysPaid(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace isr::cli
