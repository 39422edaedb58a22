// SPDX-License-Identifier: MIT
// isr2016-cli run in this process, on strings for its standard streams.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"

namespace isr::cli {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

inline Outcome RunWith(std::vector<std::string_view> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(args, {in, out, err});
    return {status, out.str(), err.str()};
}

}  // namespace isr::cli
