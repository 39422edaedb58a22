// SPDX-License-Identifier: MIT
#include "entry/module1.h"

#include <algorithm>
#include <optional>
#include <string>

#include "entry/numeric_text.h"
#include "money/amount_text.h"

namespace isr {
namespace {

constexpr std::int16_t kBackspace = 8;

int Length(const std::string& text) {
    return static_cast<int>(text.size());
}

bool IsAllowed(std::int16_t keyAscii, std::string_view allowed) {
    return keyAscii > 0 && keyAscii <= 255 &&
           allowed.find(static_cast<char>(keyAscii)) != std::string_view::npos;
}

// Appended or prepended, the key must keep the text within the maximum, compared exactly. A
// candidate that no longer reads as a number (a second point) cannot be compared, so it counts as
// too large.
bool ExceedsMaximum(const std::string& text, char key, std::string_view maximum) {
    for (const std::string& candidate : {text + key, key + text}) {
        const auto order = CompareAmountTexts(candidate, maximum);
        if (!order || *order > 0) return true;
    }
    return false;
}

void ApplyPointRule(TextField& field, std::int16_t& keyAscii) {
    if (field.Text() == "0") field.SetText("0.");
    // The end of the text, however long: a point typed into a long pasted number must not land
    // in its middle.
    field.SetSelStart(Length(field.Text()));
    if (field.Text().find('.') != std::string::npos) keyAscii = 0;
}

void ApplyMinusRule(TextField& field, std::int16_t& keyAscii, int entryPosition) {
    const std::string text = field.Text();
    if (text.find('-') != std::string::npos) {
        field.SetText(text.substr(1));
        field.SetSelStart(std::max(entryPosition - 1, 0));
    } else {
        field.SetText("-" + text);
        field.SetSelStart(entryPosition + 1);
    }
    keyAscii = 0;
}

}  // namespace

void FilterNumericKey(TextField& field, std::int16_t& keyAscii, std::string_view allowed) {
    const int entryPosition = field.SelStart();
    const std::string tag = field.Tag();
    if (!tag.starts_with('N')) return;

    if (keyAscii != kBackspace) {
        if (!IsAllowed(keyAscii, allowed)) {
            keyAscii = 0;
            return;
        }
        const std::string text = field.Text();
        const auto maximum = std::string_view(tag).substr(1);
        if (IsNumeric(maximum) && field.SelLength() != Length(text) &&
            ExceedsMaximum(text, static_cast<char>(keyAscii), maximum)) {
            keyAscii = 0;
            return;
        }
    }

    if (keyAscii == '.') {
        ApplyPointRule(field, keyAscii);
    } else if (keyAscii == '-') {
        ApplyMinusRule(field, keyAscii, entryPosition);
    }
}

void SelectAllText(TextField& field) {
    field.SetSelStart(0);
    // The whole text, however long: a long pasted text must be replaced by the next key.
    field.SetSelLength(Length(field.Text()));
}

}  // namespace isr
