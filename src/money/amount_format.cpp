// SPDX-License-Identifier: MIT
// Money to text: the "#,0.00" form of a count of hundredths, two digits at a time, and the
// grouping of integer digits that every amount text shares.
#include <array>
#include <cstring>

#include "money/amount_grammar.h"
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

char* amount_grammar::WriteGroupedBackward(std::string_view digits, char* end) {
    std::size_t left = digits.size();
    for (; left > 3; left -= 3) {
        end -= 3;
        std::memcpy(end, digits.data() + left - 3, 3);
        *--end = ',';
    }
    end -= left;
    std::memcpy(end, digits.data(), left);
    return end;
}

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
    // The integer digits two at a time, then grouped as every amount is.
    std::array<char, 20> digits{};
    char* const digitsEnd = digits.data() + digits.size();
    char* d = digitsEnd;
    std::uint64_t whole = magnitude / 100;
    for (; whole >= 100; whole /= 100) {
        d -= 2;
        std::memcpy(d, &kDigitPairs[2 * (whole % 100)], 2);
    }
    if (whole >= 10) {
        d -= 2;
        std::memcpy(d, &kDigitPairs[2 * whole], 2);
    } else {
        *--d = static_cast<char>('0' + whole);
    }
    p = amount_grammar::WriteGroupedBackward({d, static_cast<std::size_t>(digitsEnd - d)}, p);
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
