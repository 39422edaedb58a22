// SPDX-License-Identifier: MIT
// A second opinion on the cents that FormatAmount shows, worked out from the C library's decimal
// conversion instead of the formatter's own digit handling.
#pragma once

#include <cstdint>

namespace isr::fuzz {

// Below this magnitude 15 significant digits reach the cents, so the shown cents are exact.
inline constexpr double kCentsExactLimit = 1e13;

// The value at 15 significant digits, rounded to cents half away from zero, for a finite |x|
// below kCentsExactLimit. Signed; zero never carries a sign.
std::int64_t ExpectedCents(double x);

}  // namespace isr::fuzz
