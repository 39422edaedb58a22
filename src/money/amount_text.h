// SPDX-License-Identifier: MIT
// Money to text and text to money, once each, at the edges. Independent of the user's locale:
// "." is always the decimal point and "," the digit-group separator.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "money/cents.h"

namespace isr {

// A figure shown with the pattern "#,0.00": digits grouped in threes by ",", "." and exactly two
// decimals, at least one integer digit, a leading "-" below zero ("-1,234.56", "0.00", "6.40" for
// a rate of 6.4 %). Held in a fixed buffer: formatting never allocates.
class AmountText {
  public:
    explicit AmountText(Cents amount) : AmountText(amount.Count()) {}
    explicit AmountText(Rate rate) : AmountText(rate.Hundredths()) {}
    // The bare "0" that a result box shows before it holds a figure.
    static AmountText BareZero();

    std::string_view View() const { return {buffer_.data() + begin_, buffer_.size() - begin_}; }
    operator std::string_view() const { return View(); }  // NOLINT: a text is what it is for
    std::string String() const { return std::string(View()); }
    // The text of the amount's size, without its "-" ("1,234.56" of "-1,234.56"): a negative
    // figure's opposite shown without formatting it again.
    AmountText Magnitude() const {
        AmountText text = *this;
        if (buffer_[begin_] == '-') ++text.begin_;
        return text;
    }
    // Whether the text holds "," separators (the amount is 1,000.00 or more in size): the last
    // one stands before the last three integer digits, the point and two decimals.
    bool Grouped() const { return buffer_[buffer_.size() - 7] == ','; }

  private:
    AmountText() = default;
    explicit AmountText(std::int64_t hundredths);

    // Room for the longest count of hundredths in 64 bits, with its commas, point and sign.
    std::array<char, 27> buffer_{};
    std::uint8_t begin_ = 0;
};

// What an amount text holds. The accepted texts are those the entry fields let through: an
// optional leading "-", digits with "," separators anywhere among the integer digits, and an
// optional "." followed by decimals ("7.", ".5", "1,2,34.567" are amounts); at least one digit.
struct TypedAmount {
    enum class Kind : std::uint8_t {
        kNotAnAmount,  // blanks, "+", exponents, a second point, no digit at all
        kAmount,       // `cents` is the value rounded to cents
        kBeyondRange,  // its magnitude rounds above Cents::kLargestCount; `cents` is the largest
                       // amount of its sign, above every row of every table
    };
    Kind kind;
    Cents cents;
};

// Rounds on the decimal digits themselves, halves away from zero: "2.675" is 2.68, "1.005" is
// 1.01, "-0.125" is -0.13; a value that rounds to zero has no sign.
TypedAmount ReadAmount(std::string_view text);

// The "#,0.00" form of an amount text of any length, rounded to cents as ReadAmount rounds,
// without ever holding it in a number: a 40-digit amount keeps all its digits. This is what an
// entry field shows after the user leaves it. Nothing for a text that is not an amount.
std::optional<std::string> RoundedAmountText(std::string_view text);

// The integer digits of an amount text without its "," separators and leading zeros ("0,012.50"
// gives "12", "0.5" nothing): the magnitude's digits, to compare or round as text.
std::string SignificantIntegerDigits(std::string_view text);

// Compares the values of two amount texts exactly, on their digits ("40.001" is above "40", "-0"
// equals "0.00"). Nothing when either text is not an amount.
std::optional<std::strong_ordering> CompareAmountTexts(std::string_view a, std::string_view b);

}  // namespace isr
