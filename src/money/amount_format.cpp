// SPDX-License-Identifier: MIT
// Money to text: the "#,0.00" form of a count of hundredths, two digits at a time.
#include <array>
#include <cstring>

#include "money/amount_text.h"

namespace isr {

namespace {

// "00" to "99", for writing two digits at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

}  // namespace

AmountText::AmountText(std::int64_t hundredths) {
    // The magnitude as unsigned, so that the most negative count has one too.
    const bool negative = hundredths < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(hundredths)
                                       : static_cast<std::uint64_t>(hundredths);
    char* const end = buffer_.data() + buffer_.size();
    char* p = end;
    const auto twoDigits = [&](std::uint64_t n) {
        p -= 2;
        std::memcpy(p, &kDigitPairs[2 * n], 2);
    };
    twoDigits(magnitude % 100);
    *--p = '.';
    std::uint64_t whole = magnitude / 100;
    for (; whole >= 1000; whole /= 1000) {
        const auto group = whole % 1000;
        twoDigits(group % 100);
        *--p = static_cast<char>('0' + group / 100);
        *--p = ',';
    }
    if (whole >= 100) {
        twoDigits(whole % 100);
        *--p = static_cast<char>('0' + whole / 100);
    } else if (whole >= 10) {
        twoDigits(whole);
    } else {
        *--p = static_cast<char>('0' + whole);
    }
    if (negative) *--p = '-';
    begin_ = static_cast<std::uint8_t>(p - buffer_.data());
}

AmountText AmountText::BareZero() {
    AmountText text;
    text.buffer_.back() = '0';
    text.begin_ = static_cast<std::uint8_t>(text.buffer_.size() - 1);
    return text;
}

}  // namespace isr
