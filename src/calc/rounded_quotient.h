// SPDX-License-Identifier: MIT
// Exact a x b / c, rounded to a whole number, halves away from zero.
#pragma once

#include <cassert>
#include <cstdint>

namespace isr {

// For c above zero. a x b may not fit in 64 bits; with a = q c + r it is q b + r b / c, and r b is
// below c |b|, which must fit, as must q b.
constexpr std::int64_t RoundedProductQuotient(std::int64_t a, std::int64_t b, std::int64_t c) {
    assert(c > 0);
    const bool negative = (a < 0) != (b < 0);
    const std::int64_t ma = a < 0 ? -a : a;
    const std::int64_t mb = b < 0 ? -b : b;
    const std::int64_t partial = (ma % c) * mb;
    std::int64_t magnitude = (ma / c) * mb + partial / c;
    if (2 * (partial % c) >= c) ++magnitude;
    return negative ? -magnitude : magnitude;
}

}  // namespace isr
