// SPDX-License-Identifier: MIT
#include "cli/byte_source.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <istream>

namespace isr::cli {

std::size_t StreamSource::Read(char* into, std::size_t size) {
    if (failed_) return 0;
    in_.read(into, static_cast<std::streamsize>(size));
    if (in_.bad()) failed_ = true;
    return static_cast<std::size_t>(in_.gcount());
}

std::size_t DescriptorSource::Read(char* into, std::size_t size) {
    if (error_ != 0) return 0;
    for (;;) {
        const ssize_t got = read(descriptor_, into, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) {
            error_ = errno;
            return 0;
        }
    }
}

bool DescriptorSource::WouldWait() const {
    pollfd ready{descriptor_, POLLIN, 0};
    // An error or a hang-up is ready too: the read then says what it is.
    return poll(&ready, 1, 0) == 0;
}

}  // namespace isr::cli
