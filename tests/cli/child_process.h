// SPDX-License-Identifier: MIT
// Runs a program as a script would: its own arguments, text on stdin, both output streams and the
// exit status captured.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace isr::test {

struct ChildResult {
    int status;  // the exit status, or 128 plus the signal that ended the program
    std::string out;
    std::string err;
};

ChildResult RunChild(const std::string& program, const std::vector<std::string>& args,
                     std::string_view input = {});

}  // namespace isr::test
