// SPDX-License-Identifier: MIT
#include "tariffs/periods.h"

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

bool SameLetters(std::string_view text, std::string_view name) {
    if (text.size() != name.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((text[i] | 0x20) != (name[i] | 0x20)) return false;
    }
    return true;
}

}  // namespace

std::optional<Period> FindPeriod(std::string_view name) {
    // The spelling nearly every row of a batch has, a name in any case, is told by its first letter
    // and one comparison; anything else as people write names.
    if (!name.empty()) {
        for (const Period period : kPeriods) {
            const auto candidate = PeriodName(period);
            if (LowerAscii(name[0]) != LowerAscii(candidate[0])) continue;
            if (SameLetters(name, candidate)) return period;
            break;
        }
    }
    for (const Period period : kPeriods) {
        if (SameWrittenName(name, PeriodName(period))) return period;
    }
    return std::nullopt;
}

}  // namespace isr
