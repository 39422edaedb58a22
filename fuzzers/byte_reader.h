// SPDX-License-Identifier: MIT
// Reads a fuzz input front to back as small integers and byte runs; past the end every read
// yields zeros, so any input decodes to some sequence.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace isr::fuzz {

class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size)
        : data_(reinterpret_cast<const char*>(data), size) {}

    bool AtEnd() const { return pos_ >= data_.size(); }

    std::uint8_t Byte() { return AtEnd() ? 0 : static_cast<std::uint8_t>(data_[pos_++]); }

    std::int16_t Int16() {
        const auto high = Byte();
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(high << 8 | Byte()));
    }

    // Up to `count` bytes, fewer at the end of the input.
    std::string_view Bytes(std::size_t count) {
        const auto run = data_.substr(pos_ < data_.size() ? pos_ : data_.size(), count);
        pos_ += run.size();
        return run;
    }

  private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

}  // namespace isr::fuzz
