// SPDX-License-Identifier: MIT
// Checks how the program reads and rounds amount texts against exact rationals, on random texts:
// long digit strings, grouping commas anywhere, many decimals, half cents.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "money/amount_text.h"

namespace isr::verify {

// The two ways the program reads an amount text, passed in so that a faulty reader can be shown
// to be caught: the text a field shows after it is left, and the cents the calculation takes.
struct AmountReaders {
    std::function<std::optional<std::string>(std::string_view)> shown;
    std::function<TypedAmount(std::string_view)> cents;
};

// The program's own: RoundedAmountText and ReadAmount.
AmountReaders ProgramAmountReaders();

// A random amount text as a user might type or paste it: up to 40 integer digits (leading zeros
// now and then), "," among them, a point with up to 12 decimals that often sit on a half cent,
// a leading "-".
std::string RandomAmountText(std::mt19937_64& random);

struct TextMismatch {
    std::string text;
    std::string what;  // which reading differs: "shown" or "cents"
    std::string program;
    std::string exact;
};

struct TextCount {
    std::int64_t checked = 0;
    std::int64_t mismatches = 0;
};

// `count` random texts, numbered `stream`, through `readers`: the text a field shows after it is
// left (every digit kept), and the cents the calculation reads (or that the text is beyond their
// range).
TextCount CheckAmountTexts(std::int64_t count, std::uint64_t stream, const AmountReaders& readers,
                           const std::function<void(const TextMismatch&)>& onMismatch);

}  // namespace isr::verify
