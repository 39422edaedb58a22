// SPDX-License-Identifier: MIT
// What can be wrong with one input of a calculation, whichever calculation it is and however the
// input was given: the calculations find some problems, the readers of texts above them the rest,
// and one message says each.
#pragma once

#include <cstdint>

namespace isr {

enum class InputProblem : std::uint8_t {
    kUnknownPeriod,
    kUnknownConcept,
    kNotAnAmount,
    kMisplacedComma,  // a "," that is no thousands separator: "1500,50", "1,50,00"
    kNegative,        // below zero after rounding to cents: "-0.004" is 0.00 and no problem
    kBeyondRange,     // an amount too large to be held to the cent
    kBeyondTariff,    // a base, or a base with a payment, above the top row of its tariff
    kOutOfRange,      // a count or an amount outside the range the calculation takes
    kNotSundays,      // not a whole number of Sundays
    kNotForConcept,   // Sundays given for a concept other than the prima dominical
};

}  // namespace isr
