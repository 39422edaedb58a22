// SPDX-License-Identifier: MIT
#include "entry/numeric_text.h"

#include <string>

#include "money/amount_text.h"

namespace isr {

namespace {

// The smallest magnitude that a double can no longer hold: halfway between the largest double and
// the next power of two, 2^1024 - 2^970, which rounds to infinity. Written out, so that the test
// compares digits instead of converting.
constexpr std::string_view kFirstOverflowingMagnitude =
    "1797693134862315807937289714053034150799341327100378269361737789804449682927647509466490179775"
    "8720709633028641669288791094655554785194040263065748867150582068190890200070838367627385484581"
    "7711531764475730270069855571366959622842914819860834936475292719074168444365510704342711559699"
    "508093042880177904174497792";

// Whether the magnitude of an amount text is below kFirstOverflowingMagnitude.
bool FitsADouble(std::string_view text) {
    const std::string integerDigits = SignificantIntegerDigits(text);
    if (integerDigits.size() != kFirstOverflowingMagnitude.size()) {
        return integerDigits.size() < kFirstOverflowingMagnitude.size();
    }
    // Integer digits equal to the bound reach it, whatever the decimals.
    return integerDigits < kFirstOverflowingMagnitude;
}

}  // namespace

bool IsNumeric(std::string_view text) {
    switch (ReadAmount(text).kind) {
        case TypedAmount::Kind::kNotAnAmount:
            return false;
        case TypedAmount::Kind::kAmount:
            return true;
        case TypedAmount::Kind::kBeyondRange:
            return FitsADouble(text);
    }
    return false;
}

}  // namespace isr
