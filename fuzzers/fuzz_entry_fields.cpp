// SPDX-License-Identifier: MIT
// The entry-field rules under any sequence of user events. Two fields are wired like txtBase and
// txtPagos, with the period list beside them; the input chooses their Tags, then one event after
// another. After every event both fields must hold a numeric text with at most one point,
// txtPagos and its caption must be enabled exactly for "Anual", and leaving a field must show
// its value as RoundedAmountText does.
//
// Besides single keys, the events include what the window turns other input into: several
// characters arriving in one key event or input-method commit (typed one by one, the rules checked
// only once all are in), a commit in place of characters around the caret, the context menu's
// Delete, and "&Calcular", which formats each enabled field as leaving it would. Drops and an
// input method's pre-edit never reach the fields, so they have no event here.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "byte_reader.h"
#include "entry/amount_field.h"
#include "entry/numeric_text.h"
#include "fuzz_check.h"
#include "memory_entry_field.h"
#include "money/amount_text.h"
#include "tariffs/periods.h"

namespace isr::fuzz {
namespace {

// Tags worth trying besides arbitrary bytes: the window's own "N", maxima of several kinds, and
// Tags that switch the filter off.
constexpr std::array<std::string_view, 12> kTags = {"N",    "N100", "N40", "N0", "N-5", "N.5",
                                                    "N1e3", "Nabc", "n",   "",   "X",   "N1,000.5"};

std::string TagFrom(ByteReader& input) {
    const auto choice = input.Byte();
    if (choice < 2 * kTags.size()) return std::string(kTags[choice % kTags.size()]);
    return std::string(input.Bytes(choice % 8));
}

// The calculation panel's entry part, with focus moving among the two fields and the rest.
class Panel {
  public:
    Panel(std::string baseTag, std::string pagosTag)
        : txtBase_(std::move(baseTag), "0"), txtPagos_(std::move(pagosTag), "0") {
        ConnectAmountFieldRules(txtBase_);
        ConnectAmountFieldRules(txtPagos_);
        txtPagos_.SetEnabled(false);
        SelectPeriod(0);  // as the window's load does
    }

    MemoryTextField& Field(bool pagos) { return pagos ? txtPagos_ : txtBase_; }

    // Focus to one field, or to another control (nullptr): the field losing it formats its text.
    void FocusOn(MemoryTextField* target) {
        for (MemoryTextField* field : {&txtBase_, &txtPagos_}) {
            if (field == target || !field->HasFocus()) continue;
            const std::string before = field->Text();
            field->FocusOut();
            const std::string expected = RoundedAmountText(before).value_or("0.00");
            if (field->Text() != expected) {
                Fail("leaving ", Shown(before), " shows ", Shown(field->Text()), ", not ",
                     Shown(expected));
            }
        }
        if (target != nullptr) target->FocusIn();
    }

    // "&Calcular": the button takes the focus, then every enabled field shows its value formatted
    // as leaving it would, and formatting it again would change nothing; a disabled one is left
    // as it is.
    void Calculate() {
        FocusOn(nullptr);
        for (MemoryTextField* field : {&txtBase_, &txtPagos_}) {
            const std::string before = field->Text();
            AmountFieldBeforeCalculation(*field);
            if (!field->Enabled()) {
                if (field->Text() != before) {
                    Fail("Calcular changes disabled ", Shown(before), " to ", Shown(field->Text()));
                }
                continue;
            }
            const std::string shown = field->Text();
            AmountFieldFocusOut(*field);
            if (field->Text() != shown) {
                Fail("formatting ", Shown(shown), " again shows ", Shown(field->Text()));
            }
        }
    }

    // The list takes the focus when the user picks from it.
    void SelectPeriod(int listIndex) {
        FocusOn(nullptr);
        period_ = listIndex;
        EnableSubsidySumFor(listIndex, txtPagos_, lbl13_);
    }

    void Check(const char* event) const {
        for (const MemoryTextField* field : {&txtBase_, &txtPagos_}) {
            const std::string text = field->Text();
            const char* name = field == &txtBase_ ? "txtBase" : "txtPagos";
            if (text.empty() || !IsNumeric(text)) Fail(event, ": ", name, " holds ", Shown(text));
            if (std::count(text.begin(), text.end(), '.') > 1) {
                Fail(event, ": ", name, " holds two points: ", Shown(text));
            }
            if (field->SelStart() < 0 || field->SelLength() < 0 ||
                field->SelStart() + field->SelLength() > static_cast<int>(text.size())) {
                Fail(event, ": ", name, " selects ", field->SelStart(), "+", field->SelLength(),
                     " of ", text.size());
            }
        }
        const bool annual = PeriodAt(period_) == Period::kAnual;
        if (txtPagos_.Enabled() != annual || lbl13_.Enabled() != annual) {
            Fail(event, ": period ", period_, " leaves txtPagos ", txtPagos_.Enabled(),
                 " and its caption ", lbl13_.Enabled());
        }
        if (!txtBase_.Enabled()) Fail(event, ": txtBase disabled");
        if (txtPagos_.HasFocus() && !annual) Fail(event, ": disabled txtPagos has the focus");
    }

  private:
    MemoryTextField txtBase_;
    MemoryTextField txtPagos_;
    MemorySwitch lbl13_;
    int period_ = -1;
};

// A pasted text: raw bytes, or a long run of one byte to reach past 1000 characters.
std::string PasteFrom(ByteReader& input) {
    const auto length = input.Byte();
    if (length < 128) return std::string(input.Bytes(length));
    const auto repeat = static_cast<std::size_t>(length - 128) * 12;
    return std::string(repeat, static_cast<char>(input.Byte()));
}

// Several characters in one event, each typed as a key of its own.
void TypeEach(MemoryTextField& field, std::string_view characters) {
    for (const char c : characters) field.TypeKey(static_cast<unsigned char>(c));
}

// One event; returns its name for the report. Operations 0 to 15 decode as they did before the
// later events were added, so the corpus keeps its meaning.
const char* Play(Panel& panel, ByteReader& input) {
    const auto op = input.Byte();
    MemoryTextField& field = panel.Field(op & 1);
    switch ((op >> 1) % 12) {
        case 0:
            field.TypeKey(static_cast<std::uint16_t>(input.Int16()));
            return "any key";
        case 1:
            field.TypeKey(static_cast<unsigned char>("0123456789.\b"[input.Byte() % 12]));
            return "digit, point or backspace";
        case 2:
            field.Paste(PasteFrom(input));
            return "paste";
        case 3:
            field.PressDelete();
            return "delete";
        case 4:
            switch (input.Byte() % 5) {
                case 0:
                    field.Home();
                    return "home";
                case 1:
                    field.End();
                    return "end";
                case 2:
                    field.Left();
                    return "left";
                case 3:
                    field.Right();
                    return "right";
                default:
                    field.SelectAll();
                    return "select all";
            }
        case 5: {
            const auto start = input.Int16();
            field.SetSelStart(start);
            field.SetSelLength(input.Int16());
            return "mouse selection";
        }
        case 6: {
            const auto target = input.Byte() % 3;
            panel.FocusOn(target == 2 ? nullptr : &panel.Field(target == 1));
            return "focus change";
        }
        case 7:
            panel.SelectPeriod(static_cast<std::int8_t>(input.Byte()));
            return "period change";
        case 8:
            TypeEach(field, input.Bytes(input.Byte() % 9));
            return "several characters in one event";
        case 9: {
            // An input method's commit in place of up to 3 characters from up to 3 before the
            // caret: they are selected for the typed ones to replace, or deleted when it commits
            // nothing.
            const int back = input.Byte() % 4;
            const int length = input.Byte() % 4;
            const std::string_view commit = input.Bytes(input.Byte() % 5);
            if (!field.Enabled()) return "input-method commit to a disabled field";
            field.SetSelStart(std::max(0, field.SelStart() - back));
            field.SetSelLength(length);
            if (commit.empty() && field.SelLength() > 0) field.PressDelete();
            TypeEach(field, commit);
            return "input-method commit in place of characters";
        }
        case 10:
            if (field.SelLength() > 0) field.PressDelete();  // enabled with a selection only
            return "context-menu delete";
        default:
            panel.Calculate();
            return "calculate";
    }
}

}  // namespace
}  // namespace isr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace isr::fuzz;
    ByteReader input(data, size);
    std::string baseTag = TagFrom(input);
    Panel panel(std::move(baseTag), TagFrom(input));
    panel.Check("start");
    while (!input.AtEnd()) panel.Check(Play(panel, input));
    return 0;
}
