// SPDX-License-Identifier: MIT
// The memory expat's parsers get: every block holds what was written into it through growth and
// reuse, and a small block freed comes back to the next allocation of its size.
#include "cli/expat_memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace isr::cli {
namespace {

std::string Pattern(std::size_t size, char start) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(start + i % 31);
    return bytes;
}

TEST(ExpatMemory, BlocksKeepTheirBytesThroughGrowthAndReuse) {
    const struct {
        std::size_t first;
        std::size_t grown;
    } kCases[] = {
        {0, 1},      {1, 16},    {15, 17},        {16, 256},  {200, 257},
        {256, 4096}, {257, 300}, {4096, 100'000}, {300, 100},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::to_string(c.first) + " to " + std::to_string(c.grown));
        // Blocks of every size at once, so that none is given twice.
        std::vector<void*> blocks;
        for (char start = 'a'; start < 'e'; ++start) {
            void* block = ExpatAllocate(c.first);
            ASSERT_NE(block, nullptr);
            std::memcpy(block, Pattern(c.first, start).data(), c.first);
            blocks.push_back(block);
        }
        char start = 'a';
        for (auto& block : blocks) {
            block = ExpatReallocate(block, c.grown);
            ASSERT_NE(block, nullptr);
            const auto kept = std::min(c.first, c.grown);
            EXPECT_EQ(std::string(static_cast<char*>(block), kept), Pattern(kept, start));
            std::memset(block, 'z', c.grown);  // every byte asked for is there to write
            ++start;
        }
        for (auto* block : blocks) ExpatFree(block);
    }
    ExpatFree(nullptr);
    // A size whose header would wrap around is refused, as malloc refuses what it can't give.
    EXPECT_EQ(ExpatAllocate(std::numeric_limits<std::size_t>::max() - 8), nullptr);
}

TEST(ExpatMemory, ASmallBlockFreedIsTheNextOfItsSize) {
    // On a thread of its own, whose lists nothing else has used.
    std::thread([] {
        void* small = ExpatAllocate(40);
        ExpatFree(small);
        EXPECT_EQ(ExpatAllocate(48), small);  // 40 and 48 are one size: 33 to 48 bytes
        void* other = ExpatAllocate(40);
        EXPECT_NE(other, small);
        ExpatFree(other);
        ExpatFree(small);
        // A block grown within its size stays where it is.
        void* grown = ExpatAllocate(33);
        EXPECT_EQ(ExpatReallocate(grown, 48), grown);
        ExpatFree(grown);
    }).join();
}

}  // namespace
}  // namespace isr::cli
