// SPDX-License-Identifier: MIT
#include "cents_oracle.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace isr::fuzz {

std::int64_t ExpectedCents(double x) {
    // "d.dddddddddddddde+XX": glibc's printf rounds correctly to the 15 digits.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    std::int64_t digits = buf[0] - '0';  // the 15 significant digits as one integer
    for (int i = 2; i < 16; ++i) digits = digits * 10 + (buf[i] - '0');
    const int exponent = std::atoi(buf + 17);

    // digits * 10^(exponent - 14) in units, so digits * 10^(exponent - 12) in cents.
    std::int64_t cents = 0;
    const int shift = exponent - 12;
    if (shift >= 0) {
        cents = digits;
        for (int i = 0; i < shift; ++i) cents *= 10;
    } else if (shift > -17) {
        std::int64_t divisor = 1;
        for (int i = 0; i < -shift; ++i) divisor *= 10;
        cents = digits / divisor + (digits % divisor * 2 >= divisor ? 1 : 0);
    }  // else: below a thousandth of a cent even at 15 digits, so zero
    return std::signbit(x) ? -cents : cents;
}

}  // namespace isr::fuzz
