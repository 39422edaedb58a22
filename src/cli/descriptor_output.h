// SPDX-License-Identifier: MIT
// An output stream's buffer on a file descriptor that remembers why a write failed, so that the
// program can say it ("no queda espacio en el disco") and exit with a failure instead of
// reporting success over a disk that was full or a pipe that was closed.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <streambuf>
#include <string>

namespace isr::cli {

class DescriptorOutput : public std::streambuf {
  public:
    // Writes to `descriptor`, which stays open: the caller owns it.
    explicit DescriptorOutput(int descriptor, std::size_t bufferBytes = std::size_t{1} << 16);
    ~DescriptorOutput() override;

    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

    int Descriptor() const { return descriptor_; }
    // The errno of the first write that failed, 0 while none has. Nothing is written after it.
    int Error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

  private:
    bool WriteAll(const char* from, std::size_t bytes);
    bool Drain();

    int descriptor_;
    std::unique_ptr<char[]> buffer_;
    std::size_t bufferBytes_;
    int error_ = 0;
};

// "no se pudo escribir la salida", and why when the stream's buffer is a DescriptorOutput that
// knows it: the one message of every mode whose output failed.
std::string WriteFailure(const std::ostream& out);

}  // namespace isr::cli
