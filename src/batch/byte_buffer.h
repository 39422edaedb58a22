// SPDX-License-Identifier: MIT
// A growable run of bytes for the batch's hot paths: it keeps its capacity when cleared and never
// fills new room with zeros (std::string does both on every resize), and appends short runs
// without a call to memcpy.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace isr {

// memcpy for the few bytes of a field: whole words, the last one overlapping the one before, so
// that no call is made and no byte outside either run is touched.
inline void CopyFieldBytes(char* to, const char* from, std::size_t bytes) {
    if (bytes >= 8) {
        std::size_t i = 0;
        for (; i + 8 < bytes; i += 8) std::memcpy(to + i, from + i, 8);
        std::memcpy(to + bytes - 8, from + bytes - 8, 8);
    } else if (bytes >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + bytes - 4, from + bytes - 4, 4);
    } else {
        for (std::size_t i = 0; i < bytes; ++i) to[i] = from[i];
    }
}

class ByteBuffer {
  public:
    std::size_t Size() const { return size_; }
    const char* Data() const { return bytes_.get(); }
    std::string_view View() const { return {bytes_.get(), size_}; }
    void Clear() { size_ = 0; }

    // Room for at least `bytes` more bytes after the end, to be written and then taken with
    // Commit.
    char* Room(std::size_t bytes) {
        if (capacity_ - size_ < bytes) Grow(bytes);
        return bytes_.get() + size_;
    }
    void Commit(std::size_t bytes) { size_ += bytes; }

    void Append(const char* from, std::size_t bytes) {
        char* const to = Room(bytes);
        if (bytes <= 64) {
            CopyFieldBytes(to, from, bytes);
        } else {
            std::memcpy(to, from, bytes);
        }
        size_ += bytes;
    }
    void Truncate(std::size_t size) { size_ = std::min(size, size_); }

  private:
    void Grow(std::size_t bytes) {
        const std::size_t capacity = std::max(2 * capacity_, size_ + bytes + 4096);
        // new char[] leaves the bytes as they are, as make_unique_for_overwrite would (which not
        // every standard library that builds this has).
        std::unique_ptr<char[]> grown(new char[capacity]);
        if (size_ > 0) std::memcpy(grown.get(), bytes_.get(), size_);
        bytes_ = std::move(grown);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace isr
