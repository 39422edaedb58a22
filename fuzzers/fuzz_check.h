// SPDX-License-Identifier: MIT
// How a fuzz target reports a broken property: the details on stderr, then abort(), which
// libFuzzer records as a crash and saves the input for.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "money/text_helpers.h"

namespace isr::fuzz {

template <typename... Parts>
[[noreturn]] void Fail(const Parts&... parts) {
    std::ostringstream message;
    message.precision(17);  // doubles to the last bit
    (message << ... << parts);
    std::fprintf(stderr, "property broken: %s\n", message.str().c_str());
    std::abort();
}

// Quoted, with every byte outside printable ASCII as \xNN, so that the report shows the input.
inline std::string Shown(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
            out += c;
        } else {
            AppendHexEscape(out, byte);
        }
    }
    return out + '"';
}

}  // namespace isr::fuzz
