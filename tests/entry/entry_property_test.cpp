// SPDX-License-Identifier: MIT
// Whatever the user does to an entry field, it holds a number after every event, and leaving it
// shows that number as "#,0.00".
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <regex>
#include <string>

#include "entry/numeric_text.h"
#include "field_actions.h"
#include "memory_entry_field.h"

namespace isr {
namespace {

using namespace actions;

constexpr std::string_view kPasteParts[] = {"",   "0",   "7",  "12.5", ".",        "-",   "-3",
                                            ",",  "1,2", "ab", "1e5",  " ",        "\n9", "$",
                                            "5-", "0.",  "é",  "\t",   "1,234.50", "00"};
const Action kMoves[] = {kDelete, kSelectAll, kHome, kEnd, kLeft, kRight, kFocusIn};

class EventSource {
  public:
    explicit EventSource(std::uint32_t start) : random_(start) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Mostly what the filter lets through, so that texts grow; otherwise any code at all.
    char32_t AnyKey() {
        if (Below(2) == 0) return static_cast<unsigned char>("0123456789.\b"[Below(12)]);
        return static_cast<char32_t>(Below(0x110000));
    }

    // Bits of numbers and of everything else, and digit runs up to beyond the largest double.
    std::string AnyPaste() {
        std::string text;
        for (int parts = Below(4); parts > 0; --parts) {
            text += Below(5) == 0 ? std::string(Below(400), '9')
                                  : std::string(kPasteParts[Below(std::size(kPasteParts))]);
        }
        return text;
    }

  private:
    std::mt19937 random_;
};

TEST(EntryFieldProperty, AnyEventSequenceLeavesANumberAndFocusOutFormatsIt) {
    const std::regex formatted(R"(-?\d{1,3}(,\d{3})*\.\d\d)");
    for (std::uint32_t run = 0; run < 200; ++run) {
        EventSource events(run);
        MemoryTextField field("N", "0");
        ConnectAmountFieldRules(field);
        field.SetText(events.AnyPaste());
        for (int event = 0; event < 200; ++event) {
            SCOPED_TRACE(testing::Message() << "run " << run << ", event " << event);
            const int kind = events.Below(10);
            const bool hadFocus = field.HasFocus();
            if (kind < 5) {
                field.TypeKey(events.AnyKey());
            } else if (kind == 5) {
                field.Paste(events.AnyPaste());
            } else if (kind == 6) {
                field.SetSelStart(events.Below(40) - 5);
                field.SetSelLength(events.Below(40));
            } else if (kind == 7) {
                field.FocusOut();
                ASSERT_TRUE(!hadFocus || std::regex_match(field.Text(), formatted)) << field.Text();
            } else {
                kMoves[events.Below(std::size(kMoves))](field);
            }
            const std::string text = field.Text();
            ASSERT_TRUE(IsNumeric(text)) << '"' << text << '"';
            ASSERT_LE(std::count(text.begin(), text.end(), '.'), 1) << text;
            ASSERT_LE(field.SelStart() + field.SelLength(), static_cast<int>(text.size()));
        }
    }
}

}  // namespace
}  // namespace isr
