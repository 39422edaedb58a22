// SPDX-License-Identifier: MIT
// The exit statuses of isr2016-cli.
#pragma once

namespace isr::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadRows = 1;  // a batch ran to the end, but some rows were bad
inline constexpr int kExitUsage = 2;    // bad arguments, or an input that could not be read
                                        // (or an output that could not be written)

}  // namespace isr::cli
