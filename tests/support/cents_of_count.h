// SPDX-License-Identifier: MIT
// Any 64-bit count as Cents, for the tests and fuzzers of the amount texts.
#pragma once

#include <cstdint>

#include "money/cents.h"

namespace isr {

// The count folded into the amounts' range, keeping its sign: the remainder of its division by one
// more than the largest count. Counts drawn from any bits become amounts Cents can hold.
constexpr std::int64_t FoldedIntoRange(std::int64_t count) {
    return count % (Cents::kLargestCount + 1);
}

inline Cents CentsOfCount(std::int64_t count) {
    return *Cents::FromCount(FoldedIntoRange(count));
}

}  // namespace isr
