// SPDX-License-Identifier: MIT
#include "cli/descriptor_source.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace isr::cli {

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
