// SPDX-License-Identifier: MIT
#include "entry/amount_field.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "field_actions.h"
#include "memory_entry_field.h"

namespace isr {
namespace {

using namespace actions;

struct Scenario {
    std::string_view name;
    std::string text;  // the field's text when the scenario starts, caret at its end
    std::vector<Action> actions;
    std::string textAfter;
    int selStartAfter, selLengthAfter;
};

TEST(EntryField, KeepsANumericTextThroughEveryEdit) {
    const std::string longText(1500, '4');
    const std::string tooLarge = "1" + std::string(400, '0');
    const Scenario scenarios[] = {
        {"backspace on 5 leaves 0 selected", "5", {kFocusIn, kBackspace}, "0", 0, 1},
        {"then 8 replaces the 0", "5", {kFocusIn, kBackspace, Key('8')}, "8", 1, 0},
        {"select all and Delete", "1,234.50", {kSelectAll, kDelete}, "0", 0, 1},
        {"pasted letters", "12", {kFocusIn, Paste("12abc")}, "0", 0, 1},
        {"a lone point", "0", {kFocusIn, Paste(".")}, "0", 0, 1},
        {"a number too large for a double", "0", {kFocusIn, Paste(tooLarge)}, "0", 0, 1},
        {"a pasted sign passes: no key filter", "0", {kFocusIn, Paste("-5")}, "-5", 2, 0},
        {"focus selects all, 9 replaces it", "1,234.50", {kFocusIn, Key('9')}, "9", 1, 0},
        {"End then 7", "1,234.50", {kFocusIn, kEnd, Key('7')}, "1,234.507", 9, 0},
        {"End, 7, focus out", "1,234.50", {kFocusIn, kEnd, Key('7'), kFocusOut}, "1,234.51", 8, 0},
        {"0. focus out", "0.", {kFocusIn, kFocusOut}, "0.00", 4, 0},
        {"deleting the 2 of 1,234.50", "1,234.50", {CaretAt(3), kBackspace}, "1,34.50", 2, 0},
        {"point on a selected 0", "0", {kFocusIn, Key('.'), Key('5')}, "0.5", 3, 0},
        {"a second point", "0", {kFocusIn, Key('.'), Key('.')}, "0.", 2, 0},
        {"a long paste is wholly replaced", "0", {Paste(longText), kFocusIn, Key('7')}, "7", 1, 0},
    };
    for (const auto& s : scenarios) {
        SCOPED_TRACE(s.name);
        MemoryTextField field("N", s.text);
        ConnectAmountFieldRules(field);
        for (const auto& action : s.actions) action(field);
        EXPECT_EQ(field.Text(), s.textAfter);
        EXPECT_EQ(field.SelStart(), s.selStartAfter);
        EXPECT_EQ(field.SelLength(), s.selLengthAfter);
    }
}

// Fields bound to no rule, so that each text reaches the formatting as it stands.
TEST(EntryField, CalcularFormatsEnabledFieldsAndLeavesDisabledOnes) {
    const struct {
        std::string text;
        bool enabled;
        std::string shown;
    } cases[] = {
        {"496.075", true, "496.08"},
        {"496.075", false, "496.075"},
        {"abc", true, "0.00"},  // a field left unguarded shows zero
        {"1234567890123456789012345678901234567890.125", true,
         "1,234,567,890,123,456,789,012,345,678,901,234,567,890.13"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + (c.enabled ? ", enabled" : ", disabled"));
        MemoryTextField field("N", c.text);
        field.SetEnabled(c.enabled);
        AmountFieldBeforeCalculation(field);
        EXPECT_EQ(field.Text(), c.shown);
    }
}

TEST(EntryField, AResetTouchesOnlyItsOwnField) {
    MemoryTextField txtBase("N", "1,234.50");
    MemoryTextField txtPagos("N", "12");
    ConnectAmountFieldRules(txtBase);
    ConnectAmountFieldRules(txtPagos);
    txtBase.SetSelStart(2);
    txtPagos.Paste("x");
    EXPECT_EQ(txtPagos.Text(), "0");
    EXPECT_EQ(txtBase.Text(), "1,234.50");
    EXPECT_EQ(txtBase.SelStart(), 2);
}

TEST(EnableSubsidySumFor, EnablesSubsidyPaidAndItsCaptionOnlyForAnual) {
    for (int index = -1; index <= 6; ++index) {
        for (const bool before : {false, true}) {
            SCOPED_TRACE(testing::Message() << "list index " << index << ", enabled " << before);
            MemoryTextField txtPagos("N", "1,500.00");
            txtPagos.SetEnabled(before);
            MemorySwitch lbl13;
            lbl13.SetEnabled(before);
            EnableSubsidySumFor(index, txtPagos, lbl13);
            const bool annual = index == 1;  // "Anual" is the second period of the list
            EXPECT_EQ(txtPagos.Enabled(), annual);
            EXPECT_EQ(lbl13.Enabled(), annual);
            EXPECT_EQ(txtPagos.Text(), "1,500.00");
        }
    }
}

}  // namespace
}  // namespace isr
