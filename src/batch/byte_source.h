// SPDX-License-Identifier: MIT
// Where the batch's bytes come from: a C++ stream (tests, fuzzers), or whatever the front end
// reads (a file descriptor, a file in the browser), read as far as bytes are ready, so that rows
// from a slow pipe are handled as they arrive rather than once a whole buffer has filled.
#pragma once

#include <cstddef>
#include <iosfwd>

namespace isr {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes into `into`: at least one, waiting for it if need be, and no more than are
    // ready. 0 at the end of the input or after a read error.
    virtual std::size_t Read(char* into, std::size_t size) = 0;
    // Whether Read would have to wait for the writer now. A file never makes it wait.
    virtual bool WouldWait() const { return false; }
    // A read failed, as opposed to the input ending.
    virtual bool Failed() const = 0;
    // The errno of that failure, 0 when none or unknown.
    virtual int Error() const { return 0; }
};

// A std::istream read in whole blocks: it comes back short only at its end.
class StreamSource final : public ByteSource {
  public:
    explicit StreamSource(std::istream& in) : in_(in) {}
    std::size_t Read(char* into, std::size_t size) override;
    bool Failed() const override { return failed_; }

  private:
    std::istream& in_;
    bool failed_ = false;
};

}  // namespace isr
