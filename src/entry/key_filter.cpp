// SPDX-License-Identifier: MIT
#include "entry/key_filter.h"

#include <algorithm>
#include <optional>
#include <string>

#include "entry/numeric_text.h"
#include "money/amount_text.h"

namespace isr {
namespace {

int Length(const std::string& text) {
    return static_cast<int>(text.size());
}

bool IsAllowed(char32_t key, std::string_view allowed) {
    return key > 0 && key <= 255 && allowed.find(static_cast<char>(key)) != std::string_view::npos;
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

// Whether the point itself still goes in.
bool ApplyPointRule(TextField& field) {
    if (field.Text() == "0") field.SetText("0.");
    // The end of the text, however long: a point typed into a long pasted number must not land
    // in its middle.
    field.SetSelStart(Length(field.Text()));
    return field.Text().find('.') == std::string::npos;
}

// The sign is toggled here; the key itself never goes in.
void ApplyMinusRule(TextField& field, int entryPosition) {
    const std::string text = field.Text();
    if (text.find('-') != std::string::npos) {
        field.SetText(text.substr(1));
        field.SetSelStart(std::max(entryPosition - 1, 0));
    } else {
        field.SetText("-" + text);
        field.SetSelStart(entryPosition + 1);
    }
}

}  // namespace

bool FilterNumericKey(TextField& field, char32_t key, std::string_view allowed) {
    const int entryPosition = field.SelStart();
    const std::string tag = field.Tag();
    if (!tag.starts_with('N')) return true;
    if (key == kBackspace) return true;

    if (!IsAllowed(key, allowed)) return false;
    const std::string text = field.Text();
    const auto maximum = std::string_view(tag).substr(1);
    if (IsNumeric(maximum) && field.SelLength() != Length(text) &&
        ExceedsMaximum(text, static_cast<char>(key), maximum)) {
        return false;
    }

    if (key == '.') return ApplyPointRule(field);
    if (key == '-') {
        ApplyMinusRule(field, entryPosition);
        return false;
    }
    return true;
}

}  // namespace isr
