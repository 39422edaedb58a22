// SPDX-License-Identifier: MIT
// The amount functions on any byte string. Each line of the input is a text: ReadAmount,
// RoundedAmountText and AmountText agree with one another and with exact rationals (GMP, through
// the oracle), CompareAmountTexts agrees with them on neighbouring lines, and IsNumeric accepts
// only amounts. The first 8 bytes, taken as a count of cents, show as the oracle shows them and
// read back to themselves.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "cents_of_count.h"
#include "entry/numeric_text.h"
#include "fuzz_check.h"
#include "money/amount_text.h"
#include "oracle/rational_amount.h"

namespace isr::fuzz {
namespace {

const mpq_class& LargestAmount() {
    static const mpq_class largest = oracle::FromCents(Cents::kLargestCount);
    return largest;
}

// Numbers of at most 308 integer digits fit a double; from 310 on none does.
void CheckNumeric(std::string_view text, const std::optional<mpq_class>& exact) {
    const bool numeric = IsNumeric(text);
    if (numeric && !exact) Fail("IsNumeric accepts ", Shown(text), ", which is no amount");
    if (!exact) return;
    const mpz_class whole = abs(exact->get_num()) / exact->get_den();
    const std::size_t digits = whole == 0 ? 0 : whole.get_str().size();
    if ((digits <= 308 && !numeric) || (digits >= 310 && numeric)) {
        Fail("IsNumeric(", Shown(text), ") = ", numeric, " with ", digits, " integer digits");
    }
}

void CheckText(std::string_view text) {
    const auto exact = oracle::TypedDecimal(text);
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
    const mpq_class cents = oracle::RoundedToCents(*exact);
    const std::string expected = oracle::ShownCents(cents);
    if (rounded != expected) {
        Fail("RoundedAmountText(", Shown(text), ") = ", Shown(rounded.value_or("(nothing)")),
             ", expected ", Shown(expected));
    }
    if (RoundedAmountText(expected) != expected) {
        Fail(Shown(expected), " changes when shown again");
    }
    if (abs(cents) <= LargestAmount()) {
        const mpq_class count = cents * 100;
        if (read.kind != TypedAmount::Kind::kAmount || read.cents.Count() != count) {
            Fail("ReadAmount(", Shown(text), ") = kind ", static_cast<int>(read.kind), ", ",
                 read.cents.Count(), " cents, expected ", count.get_str());
        }
        if (AmountText(read.cents).View() != expected) {
            Fail("AmountText of ", Shown(text), " = ", Shown(AmountText(read.cents).View()),
                 ", expected ", Shown(expected));
        }
    } else {
        const Cents edge = cents < 0 ? -Cents::Largest() : Cents::Largest();
        if (read.kind != TypedAmount::Kind::kBeyondRange || read.cents != edge) {
            Fail("ReadAmount(", Shown(text), ") = kind ", static_cast<int>(read.kind), ", ",
                 read.cents.Count(), " cents; the text is beyond the range");
        }
    }
}

void CheckComparison(std::string_view a, std::string_view b) {
    const auto exactA = oracle::TypedDecimal(a);
    const auto exactB = oracle::TypedDecimal(b);
    const auto order = CompareAmountTexts(a, b);
    if (!exactA || !exactB) {
        if (order) Fail("CompareAmountTexts(", Shown(a), ", ", Shown(b), ") gave an order");
        return;
    }
    const int expected = cmp(*exactA, *exactB);
    if (!order || (*order < 0) != (expected < 0) || (*order > 0) != (expected > 0)) {
        Fail("CompareAmountTexts(", Shown(a), ", ", Shown(b), ") disagrees with ", expected);
    }
}

void CheckCount(std::int64_t bits) {
    const std::int64_t count = FoldedIntoRange(bits);
    const AmountText text(CentsOfCount(count));
    const std::string expected = oracle::ShownCents(oracle::FromCents(count));
    if (text.View() != expected) {
        Fail("AmountText(", count, " cents) = ", Shown(text.View()), ", expected ",
             Shown(expected));
    }
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
