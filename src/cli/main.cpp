// SPDX-License-Identifier: MIT
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return isr::cli::Run(args, std::cout, std::cerr);
}
