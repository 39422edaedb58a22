// SPDX-License-Identifier: MIT
// The amount functions on any byte string. Each line of the input is a text: ReadAmount,
// RoundedAmountText and AmountText agree with one another and with the digit-level model in
// cents_oracle.h, CompareAmountTexts agrees with the model on neighbouring lines, and IsNumeric
// accepts only amounts. The first 8 bytes, taken as a count of cents, show as the model shows
// them and read back to themselves.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "cents_oracle.h"
#include "entry/numeric_text.h"
#include "fuzz_check.h"
#include "money/amount_text.h"

namespace isr::fuzz {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "#,0.00": an optional "-", one to three digits, groups of ",ddd", then ".dd"; never "-0.00".
bool HasDisplayPattern(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t lead = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == lead || i - lead > 3) return false;
    while (i < text.size() && text[i] == ',') {
        if (i + 3 >= text.size() || !IsDigit(text[i + 1]) || !IsDigit(text[i + 2]) ||
            !IsDigit(text[i + 3])) {
            return false;
        }
        i += 4;
    }
    if (text.size() != i + 3 || text[i] != '.' || !IsDigit(text[i + 1]) || !IsDigit(text[i + 2])) {
        return false;
    }
    return !(lead == 1 && text.find_first_of("123456789") == std::string_view::npos);
}

// Checked construction stops at the largest amount, sums do not: any count is a figure to show.
Cents CentsOf(std::int64_t count) {
    Cents sum = *Cents::FromCount(count % Cents::kLargestCount);
    for (std::int64_t n = count / Cents::kLargestCount; n != 0; n += n > 0 ? -1 : 1) {
        sum = sum + (n > 0 ? Cents::Largest() : -Cents::Largest());
    }
    return sum;
}

// Numbers of at most 308 integer digits fit a double; from 310 on none does.
void CheckNumeric(std::string_view text, const std::optional<ExactAmount>& exact) {
    const bool numeric = IsNumeric(text);
    if (numeric && !exact) Fail("IsNumeric accepts ", Shown(text), ", which is no amount");
    if (!exact) return;
    const auto digits = exact->integerDigits.size();
    if ((digits <= 308 && !numeric) || (digits >= 310 && numeric)) {
        Fail("IsNumeric(", Shown(text), ") = ", numeric, " with ", digits, " integer digits");
    }
}

void CheckText(std::string_view text) {
    const auto exact = ReadExact(text);
    const TypedAmount read = ReadAmount(text);
    const auto rounded = RoundedAmountText(text);
    CheckNumeric(text, exact);
    if (!exact) {
        if (read.kind != TypedAmount::Kind::kNotAnAmount || rounded) {
            Fail(Shown(text), " is no amount, yet ReadAmount gives kind ",
                 static_cast<int>(read.kind), " and RoundedAmountText ",
                 Shown(rounded.value_or("(nothing)")));
        }
        return;
    }
    const CentsDigits cents = RoundToCents(*exact);
    const std::string expected = Formatted(cents);
    if (rounded != expected) {
        Fail("RoundedAmountText(", Shown(text), ") = ", Shown(rounded.value_or("(nothing)")),
             ", expected ", Shown(expected));
    }
    if (!HasDisplayPattern(*rounded)) Fail(Shown(text), " shows as ", Shown(*rounded));
    if (RoundedAmountText(expected) != expected) {
        Fail(Shown(expected), " changes when shown again");
    }
    if (const auto count = CountOf(cents)) {
        if (read.kind != TypedAmount::Kind::kAmount || read.cents.Count() != *count) {
            Fail("ReadAmount(", Shown(text), ") = kind ", static_cast<int>(read.kind), ", ",
                 read.cents.Count(), " cents, expected ", *count);
        }
        if (AmountText(read.cents).View() != expected) {
            Fail("AmountText of ", Shown(text), " = ", Shown(AmountText(read.cents).View()),
                 ", expected ", Shown(expected));
        }
    } else {
        const Cents edge = cents.negative ? -Cents::Largest() : Cents::Largest();
        if (read.kind != TypedAmount::Kind::kBeyondRange || read.cents != edge) {
            Fail("ReadAmount(", Shown(text), ") = kind ", static_cast<int>(read.kind), ", ",
                 read.cents.Count(), " cents; the text is beyond the range");
        }
    }
}

void CheckComparison(std::string_view a, std::string_view b) {
    const auto exactA = ReadExact(a);
    const auto exactB = ReadExact(b);
    const auto order = CompareAmountTexts(a, b);
    if (!exactA || !exactB) {
        if (order) Fail("CompareAmountTexts(", Shown(a), ", ", Shown(b), ") gave an order");
        return;
    }
    const int expected = CompareExact(*exactA, *exactB);
    if (!order || (*order < 0) != (expected < 0) || (*order > 0) != (expected > 0)) {
        Fail("CompareAmountTexts(", Shown(a), ", ", Shown(b), ") disagrees with ", expected);
    }
}

void CheckCount(std::int64_t count) {
    const AmountText text(CentsOf(count));
    const std::string expected = Formatted(DigitsOfCount(count));
    if (text.View() != expected) {
        Fail("AmountText(", count, " cents) = ", Shown(text.View()), ", expected ",
             Shown(expected));
    }
    if (count < -Cents::kLargestCount || count > Cents::kLargestCount) return;
    const TypedAmount back = ReadAmount(text);
    if (back.kind != TypedAmount::Kind::kAmount || back.cents.Count() != count) {
        Fail(Shown(text.View()), " reads back as kind ", static_cast<int>(back.kind), ", ",
             back.cents.Count(), " cents");
    }
}

}  // namespace
}  // namespace isr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view previous;
    for (std::size_t start = 0;;) {
        const auto end = std::min(input.find('\n', start), input.size());
        const auto line = input.substr(start, end - start);
        isr::fuzz::CheckText(line);
        if (start > 0) isr::fuzz::CheckComparison(previous, line);
        previous = line;
        if (end == input.size()) break;
        start = end + 1;
    }
    if (size >= sizeof(std::int64_t)) {
        std::int64_t count = 0;
        std::memcpy(&count, data, sizeof count);
        isr::fuzz::CheckCount(count);
    }
    return 0;
}
