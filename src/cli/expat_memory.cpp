// SPDX-License-Identifier: MIT
#include "cli/expat_memory.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace isr::cli {

namespace {

// Blocks of up to 256 bytes in steps of 16 are kept; larger ones (the tables themselves, the
// text buffers) are few and go straight to malloc. A header before each block says its size.
constexpr std::size_t kStep = 16;
constexpr std::size_t kSizes = 16;
constexpr std::size_t kLargestKept = kStep * kSizes;
// At most this many blocks of each size wait, a few hundred KiB a thread: a document with tens of
// thousands of names leaves no more behind than a receipt does.
constexpr std::size_t kMostWaiting = 1024;

struct alignas(std::max_align_t) Header {
    std::size_t room;  // the bytes after the header
};

struct Waiting {
    Waiting* next;
};

struct FreeLists {
    std::array<Waiting*, kSizes> first{};
    std::array<std::size_t, kSizes> count{};

    FreeLists() = default;
    FreeLists(const FreeLists&) = delete;
    FreeLists& operator=(const FreeLists&) = delete;
    ~FreeLists() {
        for (auto* block : first) {
            while (block != nullptr) {
                auto* next = block->next;
                std::free(reinterpret_cast<Header*>(block) - 1);
                block = next;
            }
        }
    }
};

thread_local FreeLists lists;

std::size_t SizeIndex(std::size_t room) {
    return room / kStep - 1;
}

Header* HeaderOf(void* block) {
    return static_cast<Header*>(block) - 1;
}

}  // namespace

void* ExpatAllocate(std::size_t size) {
    const std::size_t room =
        size <= kLargestKept ? std::max(kStep, (size + kStep - 1) / kStep * kStep) : size;
    if (room <= kLargestKept) {
        const auto index = SizeIndex(room);
        if (auto* block = lists.first[index]) {
            lists.first[index] = block->next;
            --lists.count[index];
            return block;
        }
    }
    if (room > std::numeric_limits<std::size_t>::max() - sizeof(Header)) return nullptr;
    auto* header = static_cast<Header*>(std::malloc(sizeof(Header) + room));
    if (header == nullptr) return nullptr;
    header->room = room;
    return header + 1;
}

void ExpatFree(void* block) {
    if (block == nullptr) return;
    auto* header = HeaderOf(block);
    if (header->room <= kLargestKept) {
        const auto index = SizeIndex(header->room);
        if (lists.count[index] < kMostWaiting) {
            auto* waiting = static_cast<Waiting*>(block);
            waiting->next = lists.first[index];
            lists.first[index] = waiting;
            ++lists.count[index];
            return;
        }
    }
    std::free(header);
}

void* ExpatReallocate(void* block, std::size_t size) {
    if (block == nullptr) return ExpatAllocate(size);
    const std::size_t room = HeaderOf(block)->room;
    if (size <= room) return block;
    void* grown = ExpatAllocate(size);
    if (grown == nullptr) return nullptr;  // the old block stays the caller's, as realloc's
    std::memcpy(grown, block, room);
    ExpatFree(block);
    return grown;
}

}  // namespace isr::cli
