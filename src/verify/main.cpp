// SPDX-License-Identifier: MIT
#include <iostream>
#include <string_view>
#include <thread>
#include <vector>

#include "verify/run.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return isr::verify::Run(args, isr::verify::ProgramCalculation,
                            isr::verify::ProgramAmountReaders(),
                            std::thread::hardware_concurrency(), std::cout, std::cerr);
}
