// SPDX-License-Identifier: MIT
#include "entry/key_filter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "entry/amount_field.h"
#include "memory_text_field.h"

namespace isr {
namespace {

constexpr std::string_view kDigitsAndPoint = "0123456789.";
const std::string kLongNumber(1500, '9');

// A field whose key handler is the filter alone, so the row sees what the filter does to the key
// and what then reaches the field.
struct KeyCase {
    std::string_view name;
    std::string tag;
    std::string_view allowed;
    std::string text;
    int selStart, selLength;
    char32_t key;
    bool passes;  // the key goes on into the field
    std::string textAfter;
    int caretAfter;
};

void RunKeyCases(const std::vector<KeyCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryTextField field(c.tag, c.text);
        field.SetSelStart(c.selStart);
        field.SetSelLength(c.selLength);
        std::optional<bool> passed;
        field.OnKeyPress([&](TextField& f, char32_t key) {
            passed = FilterNumericKey(f, key, c.allowed);
            return *passed;
        });
        field.TypeKey(c.key);
        EXPECT_EQ(passed, c.passes);
        EXPECT_EQ(field.Text(), c.textAfter);
        EXPECT_EQ(field.SelStart(), c.caretAfter);
    }
}

TEST(FilterNumericKey, TagDecidesWhetherAndUpToWhatTheFieldIsFiltered) {
    RunKeyCases({
        {"N, 0 wholly selected, 7 replaces it", "N", kDigitsAndPoint, "0", 0, 1, '7', true, "7", 1},
        {"empty Tag lets a letter in", "", kDigitsAndPoint, "5", 1, 0, 'a', true, "5a", 2},
        {"lower-case n: no point rule", "n", kDigitsAndPoint, "12.5", 1, 0, '.', true, "1.2.5", 2},
        {"X lets a letter in", "X", kDigitsAndPoint, "5", 1, 0, 'x', true, "5x", 2},
        {"N100, 99 + 9 is 999: cancelled", "N100", kDigitsAndPoint, "99", 2, 0, '9', false, "99",
         2},
        {"N100, 10 + 0: 100 and 010 pass", "N100", kDigitsAndPoint, "10", 2, 0, '0', true, "100",
         3},
        {"N100, 99 wholly selected: no test", "N100", kDigitsAndPoint, "99", 0, 2, '9', true, "9",
         1},
        {"N40, only the ends count: 50.1", "N40", kDigitsAndPoint, "5.1", 1, 0, '0', true, "50.1",
         2},
        {"N40, 40.00 + 1 is 40.001: cancelled", "N40", kDigitsAndPoint, "40.00", 5, 0, '1', false,
         "40.00", 5},
        {"Nabc has no maximum", "Nabc", kDigitsAndPoint, "999", 3, 0, '9', true, "9999", 4},
        {"N40, 5a is no number: too large", "N40", "0123456789a", "5", 1, 0, 'a', false, "5", 1},
        {"N, no maximum, 5a passes", "N", "0123456789a", "5", 1, 0, 'a', true, "5a", 2},
        // The maximum test cancels before the point rule could move the caret.
        {"N40, second point: caret stays", "N40", kDigitsAndPoint, "1.5", 0, 0, '.', false, "1.5",
         0},
    });
}

TEST(FilterNumericKey, RefusesEveryKeyOutsideTheAllowedSet) {
    const char32_t refused[] = {'a', 'Z', ',', ' ', '-', '+',       13,     27,      22,
                                0,   127, 128, 200, 255, 256 + '5', 0xFF0E, 0x10FFFF};
    for (const auto key : refused) {
        SCOPED_TRACE(testing::Message() << "key code " << static_cast<std::uint32_t>(key));
        MemoryTextField field("N", "12");
        EXPECT_FALSE(FilterNumericKey(field, key, kDigitsAndPoint));
        EXPECT_EQ(field.Text(), "12");
    }
}

TEST(FilterNumericKey, BackspaceAlwaysPasses) {
    RunKeyCases({
        {"on a digit", "N", kDigitsAndPoint, "5", 1, 0, 8, true, "", 0},
        {"on the empty text", "N", kDigitsAndPoint, "", 0, 0, 8, true, "", 0},
        {"over the maximum", "N1", kDigitsAndPoint, "999", 3, 0, 8, true, "99", 2},
        {"on a selection", "N100", kDigitsAndPoint, "123", 1, 1, 8, true, "13", 1},
    });
}

TEST(FilterNumericKey, PointGoesOnlyAtTheEndOfATextWithoutOne) {
    RunKeyCases({
        {"0 becomes 0.", "N", kDigitsAndPoint, "0", 1, 0, '.', false, "0.", 2},
        {"0 selected becomes 0.", "N", kDigitsAndPoint, "0", 0, 1, '.', false, "0.", 2},
        {"12.5, caret after 1: to the end", "N", kDigitsAndPoint, "12.5", 1, 0, '.', false, "12.5",
         4},
        {"125, 2 selected: the 2 stays", "N", kDigitsAndPoint, "125", 1, 1, '.', true, "125.", 4},
        {"empty text takes the point", "N", kDigitsAndPoint, "", 0, 0, '.', true, ".", 1},
        {"beyond 1000 characters: at the end", "N", kDigitsAndPoint, kLongNumber, 0, 0, '.', true,
         kLongNumber + ".", 1501},
    });
}

TEST(FilterNumericKey, MinusTogglesTheSignBesideTheSameDigit) {
    constexpr std::string_view withMinus = "0123456789.-";
    RunKeyCases({
        {"123, caret after 1", "N", withMinus, "123", 1, 0, '-', false, "-123", 2},
        {"-123, caret after 1", "N", withMinus, "-123", 2, 0, '-', false, "123", 1},
        {"-5, caret at 0 stays at 0", "N", withMinus, "-5", 0, 0, '-', false, "5", 0},
    });
}

TEST(SelectAllText, SelectsTheWholeTextHoweverLong) {
    for (const std::string& text : {std::string(), std::string("1,234.50"), kLongNumber}) {
        SCOPED_TRACE(text.size());
        MemoryTextField field("N", text);
        field.SetSelStart(1);
        SelectAllText(field);
        EXPECT_EQ(field.SelStart(), 0);
        EXPECT_EQ(field.SelLength(), static_cast<int>(text.size()));
    }
}

}  // namespace
}  // namespace isr
