// SPDX-License-Identifier: MIT
// Money as a whole count of cents and tax rates as a whole count of hundredths of a percent: every
// figure of the calculation is exact, and every rounding is one written down here.
#pragma once

#include <cassert>
#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace isr {

class Cents {
  public:
    // The largest magnitude an amount may have: 9,999,999,999,999,999.99. Every Cents keeps it.
    // Sums and differences of two such amounts stay far inside 64 bits, so a result beyond it is
    // seen before it is made: + and - require a result within it (checked in debug builds), and
    // Sum and Difference say when there is none.
    static constexpr std::int64_t kLargestCount = 999'999'999'999'999'999;

    constexpr Cents() = default;

    // Nothing when the count is beyond the largest magnitude.
    static constexpr std::optional<Cents> FromCount(std::int64_t count) {
        if (count > kLargestCount || count < -kLargestCount) return std::nullopt;
        return Cents(count);
    }
    static constexpr Cents Largest() { return Cents(kLargestCount); }

    // Nothing when the result is beyond the largest magnitude.
    static constexpr std::optional<Cents> Sum(Cents a, Cents b) {
        return FromCount(a.count_ + b.count_);
    }
    static constexpr std::optional<Cents> Difference(Cents a, Cents b) {
        return FromCount(a.count_ - b.count_);
    }

    constexpr std::int64_t Count() const { return count_; }

    friend constexpr auto operator<=>(Cents, Cents) = default;
    // For results known to stay within the largest magnitude.
    friend constexpr Cents operator+(Cents a, Cents b) { return Within(a.count_ + b.count_); }
    friend constexpr Cents operator-(Cents a, Cents b) { return Within(a.count_ - b.count_); }
    friend constexpr Cents operator-(Cents a) { return Cents(-a.count_); }

  private:
    constexpr explicit Cents(std::int64_t count) : count_(count) {}
    static constexpr Cents Within(std::int64_t count) {
        assert(count <= kLargestCount && count >= -kLargestCount);
        return Cents(count);
    }
    std::int64_t count_ = 0;
};

// The step between neighbouring amounts: where one table row ends, the next begins.
inline constexpr Cents kOneCent = *Cents::FromCount(1);

// A percentage held in hundredths: 1.92 % is 192.
class Rate {
  public:
    // From 0 to 100 %: a tax rate of the tables, never more than the amount it taxes.
    static constexpr std::int32_t kLargestHundredths = 10'000;

    constexpr Rate() = default;
    // Nothing outside 0 to 100 %.
    static constexpr std::optional<Rate> FromHundredths(std::int32_t hundredths) {
        if (hundredths < 0 || hundredths > kLargestHundredths) return std::nullopt;
        return Rate(hundredths);
    }
    constexpr std::int32_t Hundredths() const { return hundredths_; }
    friend constexpr auto operator<=>(Rate, Rate) = default;

  private:
    constexpr explicit Rate(std::int32_t hundredths) : hundredths_(hundredths) {}
    std::int32_t hundredths_ = 0;
};

// amount x rate / 100, rounded to cents, halves away from zero: never larger than the amount. The
// amount times the rate must fit in 64 bits: an excess within any tariff does, by a wide margin.
constexpr Cents PercentOf(Cents amount, Rate rate) {
    // Cents times hundredths of a percent are ten-thousandths of a cent.
    constexpr std::int64_t kPerCent = 10'000;
    const std::int64_t product = amount.Count() * rate.Hundredths();
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t rounded = (magnitude + kPerCent / 2) / kPerCent;
    return *Cents::FromCount(product < 0 ? -rounded : rounded);
}

namespace detail {

// A plain decimal as the published tables write it ("0", "6.4", "496.08", "103218"): digits and at
// most one point followed by at most two decimals, in hundredths. Evaluated while compiling, so a
// malformed figure stops the build.
consteval std::int64_t PlainHundredths(std::string_view text) {
    if (text.empty()) throw std::invalid_argument("empty figure");
    std::int64_t value = 0;
    int decimals = -1;  // -1 until the point
    for (const char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9') {
            if (decimals >= 0 && ++decimals > 2) throw std::invalid_argument("too many decimals");
            if (value > Cents::kLargestCount / 1000)
                throw std::invalid_argument("figure too large");
            value = value * 10 + (c - '0');
        } else {
            throw std::invalid_argument("not a plain decimal");
        }
    }
    if (text == "." || text.back() == '.') throw std::invalid_argument("point without decimals");
    for (int d = decimals < 0 ? 0 : decimals; d < 2; ++d) value *= 10;
    return value;
}

}  // namespace detail

// A figure of a published table, read while compiling.
consteval Cents TableAmount(std::string_view text) {
    return *Cents::FromCount(detail::PlainHundredths(text));
}
consteval Rate TableRate(std::string_view text) {
    const std::int64_t hundredths = detail::PlainHundredths(text);
    if (hundredths > Rate::kLargestHundredths) throw std::invalid_argument("rate above 100 %");
    return *Rate::FromHundredths(static_cast<std::int32_t>(hundredths));
}

}  // namespace isr
