// SPDX-License-Identifier: MIT
#include "annual/held_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace isr {
namespace {

HeldHistory::Payment Held(std::string employee, int year, std::uint64_t sequence) {
    return {std::move(employee), year, sequence, std::nullopt};
}

std::string Key(const HeldHistory::Payment& p) {
    return p.employee + '/' + std::to_string(p.year) + '/' + std::to_string(p.sequence);
}

TEST(HeldHistory, HandsBackByEmployeeBytewiseThenYearThenLine) {
    HeldHistory held(std::size_t{1} << 20);
    // As a history may come: years and employees interleaved, lines in file order.
    const std::vector<HeldHistory::Payment> in = {
        Held("b", 2016, 2), Held("a", 2017, 3), Held("B", 2016, 4),  Held("a", 2016, 5),
        Held("b", 2015, 6), Held("a", 2016, 7), Held("a ", 2016, 8), Held("á", 2016, 9)};
    for (const auto& p : in) ASSERT_TRUE(held.Add(p));
    std::vector<std::string> out;
    held.Drain([&](const HeldHistory::Payment& p) { out.push_back(Key(p)); });
    const std::vector<std::string> expected = {"B/2016/4",  "a/2016/5", "a/2016/7", "a/2017/3",
                                               "a /2016/8", "b/2015/6", "b/2016/2", "á/2016/9"};
    EXPECT_EQ(out, expected);
}

struct BoundCase {
    const char* name;
    std::size_t employeeLength;
    std::size_t bound;  // in bytes
    std::size_t held;   // how many payments fit before the first refused
};

TEST(HeldHistory, RefusesThePaymentBeyondItsBound) {
    constexpr std::size_t kPayment = HeldHistory::kPaymentBytes;
    // Its own allocation's size in libstdc++ and in libc++, which rounds a capacity to 16 - 1.
    const std::size_t kLong = 207;
    const BoundCase cases[] = {
        {"short names, the bound a whole number of payments", 3, 10 * kPayment, 10},
        {"short names, the bound a byte short of the tenth", 3, 10 * kPayment - 1, 9},
        {"a bound below one payment", 3, kPayment - 1, 0},
        // A long name is allocated apart: it counts its length beside the payment.
        {"long names", kLong, 10 * kPayment, 10 * kPayment / (kPayment + kLong + 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HeldHistory held(c.bound);
        std::size_t added = 0;
        while (added < 1000 && held.Add(Held(std::string(c.employeeLength, 'e'), 2016, added))) {
            ++added;
        }
        EXPECT_EQ(added, c.held);
        // What was refused is not held; what was held is all handed back.
        std::size_t drained = 0;
        held.Drain([&](const HeldHistory::Payment&) { ++drained; });
        EXPECT_EQ(drained, c.held);
    }
}

}  // namespace
}  // namespace isr
