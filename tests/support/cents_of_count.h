// SPDX-License-Identifier: MIT
// Any 64-bit count as Cents, for the tests and fuzzers of the amount texts.
#pragma once

#include <cstdint>

#include "money/cents.h"

namespace isr {

// Checked construction stops at Cents::kLargestCount, but sums go on (a result is a tax minus a
// typed subsidy sum), so a count past it is still a figure to show.
inline Cents CentsOfCount(std::int64_t count) {
    Cents sum = *Cents::FromCount(count % Cents::kLargestCount);
    for (std::int64_t n = count / Cents::kLargestCount; n != 0; n += n > 0 ? -1 : 1) {
        sum = sum + (n > 0 ? Cents::Largest() : -Cents::Largest());
    }
    return sum;
}

}  // namespace isr
