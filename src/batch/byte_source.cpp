// SPDX-License-Identifier: MIT
#include "batch/byte_source.h"

#include <istream>

namespace isr {

std::size_t StreamSource::Read(char* into, std::size_t size) {
    if (failed_) return 0;
    in_.read(into, static_cast<std::streamsize>(size));
    if (in_.bad()) failed_ = true;
    return static_cast<std::size_t>(in_.gcount());
}

}  // namespace isr
