// SPDX-License-Identifier: MIT
#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    // The batch moves large blocks; C stdio's synchronisation would only slow them down.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return isr::cli::Run(args, {std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) == 1});
}
