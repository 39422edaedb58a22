// SPDX-License-Identifier: MIT
#include "cli/descriptor_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace isr::cli {
namespace {

// Pieces of every size around a 16-byte buffer arrive whole and in order.
TEST(DescriptorOutput, EveryPieceArrivesInOrder) {
    const std::vector<std::vector<std::size_t>> plans = {
        {1}, {15, 1, 1}, {16}, {17}, {3, 40, 2, 16, 16, 1}, {100, 5, 0, 200},
    };
    const std::string path = testing::TempDir() + "descriptor_output_" + std::to_string(getpid());
    for (const auto& plan : plans) {
        std::string expected;
        const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(descriptor, 0);
        {
            DescriptorOutput buffer(descriptor, 16);
            std::ostream out(&buffer);
            char next = 'a';
            for (const std::size_t size : plan) {
                std::string piece;
                for (std::size_t i = 0; i < size; ++i) {
                    piece += next;
                    next = next == 'z' ? 'a' : static_cast<char>(next + 1);
                }
                if (size == 1) {
                    out.put(piece[0]);
                } else {
                    out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
                }
                expected += piece;
            }
            out.flush();
            EXPECT_TRUE(out.good());
            EXPECT_EQ(buffer.Error(), 0);
        }
        close(descriptor);
        std::ifstream file(path, std::ios::binary);
        const std::string written{std::istreambuf_iterator<char>(file), {}};
        EXPECT_EQ(written, expected) << testing::PrintToString(plan);
    }
    std::remove(path.c_str());
}

// The stream fails and the buffer keeps the reason, whether the failing write is a small one at
// the flush or a block larger than the buffer.
TEST(DescriptorOutput, AFailedWriteFailsTheStreamWithItsReason) {
    struct Case {
        const char* name;
        std::size_t bytes;
    };
    const Case cases[] = {{"buffered, then flushed", 10}, {"one large block", 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int descriptor = open("/dev/full", O_WRONLY);
        ASSERT_GE(descriptor, 0);
        DescriptorOutput buffer(descriptor, 64);
        std::ostream out(&buffer);
        const std::string text(c.bytes, 'x');
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        EXPECT_FALSE(out.good());
        EXPECT_EQ(buffer.Error(), ENOSPC);
        EXPECT_EQ(WriteFailure(out), "no se pudo escribir la salida: no queda espacio en el disco");
        close(descriptor);
    }
}

}  // namespace
}  // namespace isr::cli
