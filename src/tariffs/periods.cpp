// SPDX-License-Identifier: MIT
#include "tariffs/periods.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "money/text_helpers.h"
#include "money/written_name.h"

namespace isr {

namespace {

// Every name begins with a letter of its own, so at most one name is compared in full: a batch
// reads a period in every row. Names are ASCII letters only, so a byte is the same letter in
// either case exactly when it is equal once bit 0x20 is set in both.
static_assert([] {
    for (std::size_t i = 0; i < kPeriodCount; ++i) {
        for (const char c : kPeriodNames[i]) {
            if (LowerAscii(c) < 'a' || LowerAscii(c) > 'z') return false;
        }
        for (std::size_t k = 0; k < i; ++k) {
            if (LowerAscii(kPeriodNames[i][0]) == LowerAscii(kPeriodNames[k][0])) return false;
        }
    }
    return true;
}());

template <class Word>
Word LowerWord(const char* from) {
    Word word;
    std::memcpy(&word, from, sizeof word);
    return word | static_cast<Word>(0x2020202020202020);
}

// Compared a word at a time, two words that may overlap covering the name: every name has from
// 4 to 16 letters.
bool SameLetters(std::string_view text, std::string_view name) {
    const std::size_t n = name.size();
    if (text.size() != n) return false;
    const char* const t = text.data();
    const char* const m = name.data();
    if (n >= 8) {
        return LowerWord<std::uint64_t>(t) == LowerWord<std::uint64_t>(m) &&
               LowerWord<std::uint64_t>(t + n - 8) == LowerWord<std::uint64_t>(m + n - 8);
    }
    return LowerWord<std::uint32_t>(t) == LowerWord<std::uint32_t>(m) &&
           LowerWord<std::uint32_t>(t + n - 4) == LowerWord<std::uint32_t>(m + n - 4);
}
static_assert([] {
    for (const auto name : kPeriodNames) {
        if (name.size() < 4 || name.size() > 16) return false;
    }
    return true;
}());

// The period whose name begins with each letter, by the letter's place in the alphabet (any
// byte folds into 0 to 31), or -1.
constexpr auto kByFirstLetter = [] {
    std::array<int, 32> table{};
    table.fill(-1);
    for (std::size_t i = 0; i < kPeriodCount; ++i)
        table[kPeriodNames[i][0] & 0x1F] = static_cast<int>(i);
    return table;
}();

}  // namespace

std::optional<Period> FindPeriod(std::string_view name) {
    // The spelling nearly every row of a batch has, a name in any case, is told by its first letter
    // and one comparison; anything else as people write names.
    if (!name.empty()) {
        const int i = kByFirstLetter[static_cast<unsigned char>(name[0]) & 0x1F];
        if (i >= 0 && SameLetters(name, kPeriodNames[static_cast<std::size_t>(i)])) {
            return kPeriods[static_cast<std::size_t>(i)];
        }
    }
    for (const Period period : kPeriods) {
        if (SameWrittenName(name, PeriodName(period))) return period;
    }
    return std::nullopt;
}

}  // namespace isr
