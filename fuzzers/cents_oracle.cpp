// SPDX-License-Identifier: MIT
#include "cents_oracle.h"

#include <algorithm>

namespace isr::fuzz {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string WithoutLeadingZeros(std::string digits) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    return digits;
}

}  // namespace

std::optional<ExactAmount> ReadExact(std::string_view text) {
    enum class State { kStart, kInteger, kDecimals } state = State::kStart;
    ExactAmount amount;
    bool anyDigit = false;
    bool minus = false;
    for (const char c : text) {
        if (state == State::kStart && c == '-' && !minus) {
            minus = true;
            continue;
        }
        if (state != State::kDecimals) state = State::kInteger;
        if (IsDigit(c)) {
            anyDigit = true;
            (state == State::kDecimals ? amount.decimals : amount.integerDigits) += c;
        } else if (c == '.' && state == State::kInteger) {
            state = State::kDecimals;
        } else if (c != ',' || state == State::kDecimals) {
            return std::nullopt;
        }
    }
    if (!anyDigit) return std::nullopt;
    amount.integerDigits = WithoutLeadingZeros(amount.integerDigits);
    while (!amount.decimals.empty() && amount.decimals.back() == '0') amount.decimals.pop_back();
    amount.negative = minus && !(amount.integerDigits.empty() && amount.decimals.empty());
    return amount;
}

CentsDigits RoundToCents(const ExactAmount& amount) {
    // The magnitude in tenths of a cent: the integer digits and three decimals. Adding half a
    // cent and dropping the tenths rounds halves up; decimals past the third cannot change that.
    std::string thousandths = "0" + amount.integerDigits + amount.decimals.substr(0, 3);
    thousandths.append(3 - std::min<std::size_t>(amount.decimals.size(), 3), '0');
    int carry = 5;
    for (auto i = thousandths.size(); i-- > 0 && carry != 0;) {
        const int sum = (thousandths[i] - '0') + carry;
        thousandths[i] = static_cast<char>('0' + sum % 10);
        carry = sum / 10;
    }
    thousandths.pop_back();
    CentsDigits cents{false, WithoutLeadingZeros(thousandths)};
    cents.negative = amount.negative && !cents.digits.empty();
    return cents;
}

CentsDigits DigitsOfCount(std::int64_t count) {
    const std::uint64_t magnitude =
        count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    return {count < 0, count == 0 ? "" : std::to_string(magnitude)};
}

std::string Formatted(const CentsDigits& cents) {
    std::string digits = cents.digits;
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    // Built backwards: two decimals, the point, then the integer digits in threes.
    std::string reversed;
    std::size_t written = 0;
    for (auto i = digits.size(); i-- > 0;) {
        reversed += digits[i];
        if (++written == 2) {
            reversed += '.';
        } else if (written > 2 && (written - 2) % 3 == 0 && i > 0) {
            reversed += ',';
        }
    }
    if (cents.negative) reversed += '-';
    return {reversed.rbegin(), reversed.rend()};
}

std::optional<std::int64_t> CountOf(const CentsDigits& cents) {
    if (cents.digits.size() > 18) return std::nullopt;
    std::int64_t count = 0;
    for (const char c : cents.digits) count = count * 10 + (c - '0');
    return cents.negative ? -count : count;
}

int CompareExact(const ExactAmount& a, const ExactAmount& b) {
    if (a.negative != b.negative) return a.negative ? -1 : 1;
    const auto width = std::max(a.integerDigits.size(), b.integerDigits.size());
    const auto decimals = std::max(a.decimals.size(), b.decimals.size());
    const auto padded = [&](const ExactAmount& x) {
        return std::string(width - x.integerDigits.size(), '0') + x.integerDigits + x.decimals +
               std::string(decimals - x.decimals.size(), '0');
    };
    const int magnitudes = padded(a).compare(padded(b));
    const int order = magnitudes < 0 ? -1 : magnitudes > 0 ? 1 : 0;
    return a.negative ? -order : order;
}

}  // namespace isr::fuzz
