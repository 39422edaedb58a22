// SPDX-License-Identifier: MIT
#include "memory_text_field.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "field_actions.h"

namespace isr {
namespace {

using namespace actions;

struct EditCase {
    std::string_view name;
    std::string text;
    int selStart, selLength;
    Action edit;
    std::string textAfter;
    int selStartAfter, selLengthAfter;
    int changes;  // how often the change handler ran
};

TEST(MemoryTextField, EditsLikeASingleLineBox) {
    const EditCase cases[] = {
        {"a key replaces the selection", "1234", 1, 2, Key('9'), "194", 2, 0, 1},
        {"backspace deletes the selection", "1234", 1, 2, kBackspace, "14", 1, 0, 1},
        {"backspace deletes before the caret", "1234", 2, 0, kBackspace, "134", 1, 0, 1},
        {"backspace at the start: no change", "12", 0, 0, kBackspace, "12", 0, 0, 0},
        {"Delete deletes after the caret", "1234", 1, 0, kDelete, "134", 1, 0, 1},
        {"Delete at the end: no change", "12", 2, 0, kDelete, "12", 2, 0, 0},
        {"Enter inserts nothing", "12", 1, 0, Key(13), "12", 1, 0, 0},
        {"Ctrl+V as a code inserts nothing", "12", 1, 0, Key(22), "12", 1, 0, 0},
        {"a code beyond a byte inserts nothing", "12", 1, 0, Key(300), "12", 1, 0, 0},
        {"a code above 127 is one byte", "12", 1, 0, Key(200),
         "1\xC8"
         "2",
         2, 0, 1},
        {"a paste replaces the selection", "1234", 1, 2, Paste("ab"), "1ab4", 3, 0, 1},
        {"a paste keeps its first line", "12", 2, 0, Paste("3\r\n4"), "123", 3, 0, 1},
        {"an empty paste deletes a selection", "123", 1, 1, Paste(""), "13", 1, 0, 1},
        {"an empty paste alone: no change", "123", 1, 0, Paste(""), "123", 1, 0, 0},
        {"Left collapses to the selection start", "1234", 1, 2, kLeft, "1234", 1, 0, 0},
        {"Right collapses to the selection end", "1234", 1, 2, kRight, "1234", 3, 0, 0},
        {"Left stops at the start", "12", 0, 0, kLeft, "12", 0, 0, 0},
        {"Right stops at the end", "12", 2, 0, kRight, "12", 2, 0, 0},
        {"a caret beyond the end clamps", "12", 0, 1, CaretAt(1000), "12", 2, 0, 0},
        {"a long selection clamps", "1234", 1, 0, SelLength(1000), "1234", 1, 3, 0},
        {"a program write: caret at the end", "12", 0, 1, Write("345"), "345", 3, 0, 1},
        {"a program write of the same text", "12", 0, 0, Write("12"), "12", 2, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryTextField field("", c.text);
        field.SetSelStart(c.selStart);
        field.SetSelLength(c.selLength);
        int changes = 0;
        field.OnChange([&](TextField&) { ++changes; });
        c.edit(field);
        EXPECT_EQ(field.Text(), c.textAfter);
        EXPECT_EQ(field.SelStart(), c.selStartAfter);
        EXPECT_EQ(field.SelLength(), c.selLengthAfter);
        EXPECT_EQ(changes, c.changes);
    }
}

TEST(MemoryTextField, AWriteInsideTheChangeHandlerRunsItNestedBeforeReturning) {
    MemoryTextField field("N", "1");
    std::vector<std::string> seen;
    field.OnChange([&](TextField& f) {
        seen.push_back(f.Text());
        if (f.Text() == "x") {
            f.SetText("0");
            seen.push_back("outer run resumes on " + f.Text());
        }
    });
    field.SetText("x");
    EXPECT_EQ(seen, (std::vector<std::string>{"x", "0", "outer run resumes on 0"}));
    EXPECT_EQ(field.Text(), "0");
}

TEST(MemoryTextField, FocusHandlersRunOnRealFocusChangesOnlyAndADisabledFieldTakesNoInput) {
    MemoryTextField field("N", "12");
    std::string log;
    field.OnGotFocus([&](TextField&) { log += "in "; });
    field.OnLostFocus([&](TextField&) { log += "out "; });
    field.SetEnabled(false);
    field.FocusIn();
    field.TypeKey('3');
    field.Paste("4");
    field.PressDelete();
    EXPECT_EQ(field.Text(), "12");
    field.SetEnabled(true);
    field.FocusOut();
    field.FocusIn();
    field.FocusIn();
    field.FocusOut();
    field.FocusOut();
    EXPECT_EQ(log, "in out ");
}

}  // namespace
}  // namespace isr
