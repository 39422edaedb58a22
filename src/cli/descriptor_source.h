// SPDX-License-Identifier: MIT
// The program's input as the batch reads it: a file descriptor, read as far as bytes are ready.
#pragma once

#include <unistd.h>

#include <cstddef>

#include "batch/byte_source.h"

namespace isr::cli {

// A file descriptor, read with one read(2) at a time; the descriptor stays open.
class DescriptorSource final : public ByteSource {
  public:
    explicit DescriptorSource(int descriptor) : descriptor_(descriptor) {}
    std::size_t Read(char* into, std::size_t size) override;
    bool WouldWait() const override;
    bool Failed() const override { return error_ != 0; }
    int Error() const override { return error_; }

  private:
    int descriptor_;
    int error_ = 0;
};

// A descriptor the program opened, closed when it goes.
struct OwnedDescriptor {
    int descriptor = -1;
    ~OwnedDescriptor() {
        if (descriptor >= 0) close(descriptor);
    }
};

}  // namespace isr::cli
