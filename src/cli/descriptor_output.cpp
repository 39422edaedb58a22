// SPDX-License-Identifier: MIT
#include "cli/descriptor_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

#include "cli/system_error_text.h"

namespace isr::cli {

DescriptorOutput::DescriptorOutput(int descriptor, std::size_t bufferBytes)
    : descriptor_(descriptor),
      buffer_(std::make_unique_for_overwrite<char[]>(bufferBytes)),
      bufferBytes_(bufferBytes) {
    setp(buffer_.get(), buffer_.get() + bufferBytes_);
}

// What is still buffered goes out; a failure there is the owner's to check with a flush first.
DescriptorOutput::~DescriptorOutput() {
    Drain();
}

bool DescriptorOutput::WriteAll(const char* from, std::size_t bytes) {
    while (bytes > 0 && error_ == 0) {
        const ssize_t wrote = write(descriptor_, from, bytes);
        if (wrote < 0) {
            if (errno != EINTR) error_ = errno;
            continue;
        }
        if (wrote == 0) error_ = EIO;  // no progress and no reason: never spin on it
        from += wrote;
        bytes -= static_cast<std::size_t>(wrote);
    }
    return error_ == 0;
}

bool DescriptorOutput::Drain() {
    const auto pending = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.get(), buffer_.get() + bufferBytes_);
    return pending == 0 ? error_ == 0 : WriteAll(buffer_.get(), pending);
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize DescriptorOutput::xsputn(const char* s, std::streamsize n) {
    const auto bytes = static_cast<std::size_t>(n);
    const auto room = static_cast<std::size_t>(epptr() - pptr());
    if (bytes <= room) {
        std::memcpy(pptr(), s, bytes);
        pbump(static_cast<int>(bytes));
        return n;
    }
    // A block larger than the room left goes out in one write after what is buffered: the
    // batch hands over whole chunks.
    if (!Drain()) return 0;
    if (bytes < bufferBytes_) {
        std::memcpy(pptr(), s, bytes);
        pbump(static_cast<int>(bytes));
        return n;
    }
    return WriteAll(s, bytes) ? n : 0;
}

int DescriptorOutput::sync() {
    return Drain() ? 0 : -1;
}

std::string WriteFailure(const std::ostream& out) {
    std::string message = "no se pudo escribir la salida";
    const auto* descriptor = dynamic_cast<const DescriptorOutput*>(out.rdbuf());
    if (descriptor != nullptr && descriptor->Error() != 0) {
        message += ": ";
        message += SystemErrorText(descriptor->Error());
    }
    return message;
}

}  // namespace isr::cli
