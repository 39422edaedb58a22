// SPDX-License-Identifier: MIT
#include "money/amount_text.h"

#include <cstring>

#include "money/text_helpers.h"

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

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An amount text cut into its parts, the grammar checked.
struct AmountParts {
    bool negative;
    std::string_view integerPart;  // digits and "," separators
    std::string_view decimals;     // digits only
};

std::optional<AmountParts> Cut(std::string_view text) {
    AmountParts parts{};
    parts.negative = !text.empty() && text.front() == '-';
    if (parts.negative) text.remove_prefix(1);
    const auto point = text.find('.');
    parts.integerPart = text.substr(0, point);
    if (point != std::string_view::npos) parts.decimals = text.substr(point + 1);
    bool anyDigit = false;
    for (const char c : parts.integerPart) {
        if (IsDigit(c)) {
            anyDigit = true;
        } else if (c != ',') {
            return std::nullopt;
        }
    }
    for (const char c : parts.decimals) {
        if (!IsDigit(c)) return std::nullopt;
    }
    if (!anyDigit && parts.decimals.empty()) return std::nullopt;
    return parts;
}

// Whether the digits after the second decimal make the magnitude round up: the remainder is at
// least half a cent exactly when the third decimal is 5 or more.
bool RoundsUp(std::string_view decimals) {
    return decimals.size() > 2 && decimals[2] >= '5';
}

char Decimal(std::string_view decimals, std::size_t i) {
    return i < decimals.size() ? decimals[i] : '0';
}

// Integer digits beyond which no amount fits: Cents::kLargestCount has 16 before its two decimals.
constexpr int kLargestIntegerDigits = 16;

// The value of an amount as a sign and a magnitude without leading or trailing zeros, so that
// two values compare by their digits.
struct Normalized {
    bool negative;
    std::string integerDigits;
    std::string_view decimals;
};

Normalized Normalize(const AmountParts& parts) {
    Normalized n{false, SignificantIntegerDigits(parts.integerPart), parts.decimals};
    while (!n.decimals.empty() && n.decimals.back() == '0') n.decimals.remove_suffix(1);
    n.negative = parts.negative && !(n.integerDigits.empty() && n.decimals.empty());
    return n;
}

std::strong_ordering CompareMagnitudes(const Normalized& a, const Normalized& b) {
    if (a.integerDigits.size() != b.integerDigits.size()) {
        return a.integerDigits.size() <=> b.integerDigits.size();
    }
    if (const auto order = CompareTexts(a.integerDigits, b.integerDigits); order != 0) return order;
    return CompareTexts(a.decimals, b.decimals);  // no trailing zeros: a longer tail is the larger
}

}  // namespace

std::string SignificantIntegerDigits(std::string_view text) {
    std::string digits;
    for (const char c : text.substr(0, text.find('.'))) {
        if (IsDigit(c) && !(digits.empty() && c == '0')) digits += c;
    }
    return digits;
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

// The text is checked by Cut, the one reader of the grammar, and its parts read to cents.
TypedAmount ReadAmount(std::string_view text) {
    const auto parts = Cut(text);
    if (!parts) return {TypedAmount::Kind::kNotAnAmount, {}};
    const auto beyond = TypedAmount{TypedAmount::Kind::kBeyondRange,
                                    parts->negative ? -Cents::Largest() : Cents::Largest()};

    std::int64_t whole = 0;
    int significant = 0;  // integer digits from the first one that is not zero
    for (const char c : parts->integerPart) {
        if (c == ',' || (significant == 0 && c == '0')) continue;
        if (++significant > kLargestIntegerDigits) return beyond;
        whole = whole * 10 + (c - '0');
    }
    const auto decimal = [&](std::size_t i) { return Decimal(parts->decimals, i) - '0'; };
    const std::int64_t count =
        whole * 100 + decimal(0) * 10 + decimal(1) + (RoundsUp(parts->decimals) ? 1 : 0);
    const auto cents = Cents::FromCount(parts->negative ? -count : count);
    if (!cents) return beyond;
    return {TypedAmount::Kind::kAmount, *cents};
}

std::optional<std::string> RoundedAmountText(std::string_view text) {
    const auto parts = Cut(text);
    if (!parts) return std::nullopt;

    // The magnitude in cents as a digit string, then rounded on its digits.
    std::string cents = SignificantIntegerDigits(parts->integerPart);
    cents += Decimal(parts->decimals, 0);
    cents += Decimal(parts->decimals, 1);
    if (RoundsUp(parts->decimals)) {
        std::size_t i = cents.size();
        while (i > 0 && cents[i - 1] == '9') cents[--i] = '0';
        if (i == 0) {
            cents.insert(cents.begin(), '1');
        } else {
            ++cents[i - 1];
        }
    }
    // At least one integer digit: "5" cents is "0.05".
    if (cents.size() < 3) cents.insert(0, 3 - cents.size(), '0');
    const std::string_view whole(cents.data(), cents.size() - 2);
    const bool zero = cents.find_first_not_of('0') == std::string::npos;

    std::string out;
    out.reserve(cents.size() + whole.size() / 3 + 2);
    if (parts->negative && !zero) out += '-';
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out += ',';
        out += whole[i];
    }
    out += '.';
    out.append(cents, cents.size() - 2, 2);
    return out;
}

}  // namespace isr

namespace isr {

std::optional<std::strong_ordering> CompareAmountTexts(std::string_view a, std::string_view b) {
    const auto partsA = Cut(a);
    const auto partsB = Cut(b);
    if (!partsA || !partsB) return std::nullopt;
    const auto na = Normalize(*partsA);
    const auto nb = Normalize(*partsB);
    if (na.negative != nb.negative) {
        return na.negative ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    const auto magnitudes = CompareMagnitudes(na, nb);
    return na.negative ? 0 <=> magnitudes : magnitudes;
}

}  // namespace isr
