// SPDX-License-Identifier: MIT
#include "monkey_generator.h"

#include <array>
#include <optional>

#include "ui/control_geometry.h"

namespace isr {

namespace {

using M = Qt::KeyboardModifier;

struct Stroke {
    Qt::Key key;
    const char* text;  // UTF-8, as the X11 keyboard reports it
    Qt::KeyboardModifiers modifiers;
};

// Keys that edit, move, change focus, open the period list or run commands; characters come
// separately.
const Stroke kCommandKeys[] = {
    {Qt::Key_Backspace, "\b", {}},
    {Qt::Key_Delete, "\x7f", {}},
    {Qt::Key_Delete, "\x7f", M::ShiftModifier},  // cut
    {Qt::Key_Delete, "", M::ControlModifier},
    {Qt::Key_Insert, "", M::ShiftModifier},  // paste what is on the clipboard
    {Qt::Key_Insert, "", M::ControlModifier},
    {Qt::Key_Left, "", {}},
    {Qt::Key_Right, "", {}},
    {Qt::Key_Left, "", M::ShiftModifier},
    {Qt::Key_Right, "", M::ShiftModifier},
    {Qt::Key_Left, "", M::ControlModifier},
    {Qt::Key_Home, "", {}},
    {Qt::Key_End, "", {}},
    {Qt::Key_Home, "", M::ShiftModifier},
    {Qt::Key_End, "", M::ShiftModifier},
    {Qt::Key_Up, "", {}},
    {Qt::Key_Down, "", {}},
    {Qt::Key_PageUp, "", {}},
    {Qt::Key_PageDown, "", {}},
    {Qt::Key_Down, "", M::AltModifier},  // opens the period list
    {Qt::Key_F4, "", {}},
    {Qt::Key_Tab, "\t", {}},
    {Qt::Key_Tab, "\t", {}},
    {Qt::Key_Backtab, "\t", M::ShiftModifier},
    {Qt::Key_Return, "\r", {}},
    {Qt::Key_Enter, "\r", M::KeypadModifier},
    {Qt::Key_Escape, "\x1b", {}},
    {Qt::Key_Space, " ", {}},
    {Qt::Key_C, "c", M::AltModifier},
    {Qt::Key_C, "c", M::AltModifier},
    {Qt::Key_A, "\x01", M::ControlModifier},
    {Qt::Key_C, "\x03", M::ControlModifier},
    {Qt::Key_X, "\x18", M::ControlModifier},
    {Qt::Key_Z, "\x1a", M::ControlModifier},
    {Qt::Key_V, "\x16", M::ControlModifier},
    {Qt::Key_Menu, "", {}},  // opens a text box's context menu
};

// Characters beyond the digits and letters: the point, signs, separators and some that only a
// foreign keyboard types (a Spanish ñ, an Arabic-Indic three, a full-width five).
const Stroke kOtherCharacters[] = {
    {Qt::Key_Period, ".", {}},
    {Qt::Key_Period, ".", {}},
    {Qt::Key_Comma, ",", {}},
    {Qt::Key_Minus, "-", {}},
    {Qt::Key_Plus, "+", M::ShiftModifier},
    {Qt::Key_Dollar, "$", M::ShiftModifier},
    {Qt::Key_E, "e", {}},
    {Qt::Key_Ntilde, "ñ", {}},
    {Qt::Key_unknown, "٣", {}},
    {Qt::Key_unknown, "５", {}},
};

// Clipboard contents worth pasting, besides random numbers and random junk.
const char* const kClipboardTexts[] = {
    "",          " ", "12abc", "1e5", "+5",   " 5",        "5-",        "$5",
    "1,2,3.4.5", "-", ".",     "-0",  "0.",   ".5",        "-1,234.56", "99,999,999.99",
    "1\n2",      "٣", "nan",   "inf", "0x10", "12,000.50",
};

}  // namespace

MonkeyGenerator::MonkeyGenerator(std::uint64_t start) : random_(start) {
    for (const ControlGeometry& g : AllControlGeometry()) controls_.emplace_back(g.name);
}

int MonkeyGenerator::Below(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random_);
}

bool MonkeyGenerator::Chance(double p) {
    return std::bernoulli_distribution(p)(random_);
}

const std::string& MonkeyGenerator::AnyControl() {
    return controls_[static_cast<std::size_t>(Below(static_cast<int>(controls_.size())))];
}

QPointF MonkeyGenerator::AnyPoint() {
    std::uniform_real_distribution<double> fraction(0.02, 0.98);
    return {fraction(random_), fraction(random_)};
}

MonkeyEvent MonkeyGenerator::Next(Popup popup) {
    const int roll = Below(100);
    if (popup == Popup::ContextMenu) {
        if (roll < 60) return MenuItem();
        if (roll < 90) return PopupKey();
        return Click(AnyControl());
    }
    if (popup == Popup::PeriodList) {
        if (roll < 70) return PopupKey();
        if (roll < 90) {
            MonkeyEvent event;
            event.kind = MonkeyEvent::Kind::PopupItem;
            event.period = Below(6);
            return event;
        }
        return Click(AnyControl());
    }
    if (roll < 36) return AnyKey();
    if (roll < 40) return SeveralCharacters();
    if (roll < 46) return Paste();
    if (roll < 49) {
        return MonkeyEvent::MenuOn(EntryOrAnyControl(),
                                   Chance(0.7) ? std::optional(ClipboardText()) : std::nullopt);
    }
    if (roll < 52) return InputMethod();
    if (roll < 54) return MonkeyEvent::DropOn(EntryOrAnyControl(), ClipboardText(), AnyPoint());
    if (roll < 72) return Click(AnyControl());
    if (roll < 77) {  // the entry fields and the period list, where most happens
        static const std::array<std::string, 3> kEntry = {"txtBase", "txtPagos", "cmbTarifa"};
        return Click(kEntry[static_cast<std::size_t>(Below(3))]);
    }
    if (roll < 81) {
        static const std::array<std::string, 7> kNavigation = {
            "lblBtn(0)", "lblBtn(1)", "lblBtn(2)", "picBtn(0)",
            "picBtn(1)", "picBtn(2)", "lbllink(1)"};
        return Click(kNavigation[static_cast<std::size_t>(Below(7))]);
    }
    if (roll < 86) {
        return Chance(0.5) ? MonkeyEvent::Press(Qt::Key_C, "c", Qt::AltModifier) : Click("cmdCalc");
    }
    if (roll < 89) return Drag();
    if (roll < 93) return Wheel();
    return MonkeyEvent::Period(Below(6));
}

const std::string& MonkeyGenerator::EntryOrAnyControl() {
    static const std::array<std::string, 2> kEntries = {"txtBase", "txtPagos"};
    return Chance(0.7) ? kEntries[static_cast<std::size_t>(Below(2))] : AnyControl();
}

// A key event carrying several characters, as a compose sequence or an input method's keys send.
MonkeyEvent MonkeyGenerator::SeveralCharacters() {
    return MonkeyEvent::Press(Qt::Key_unknown,
                              Chance(0.5) ? Digits(2 + Below(4)) : Junk(2 + Below(5)));
}

// A commit, sometimes after composing, sometimes in place of characters before the caret (or
// deleting them); or a composition that goes on without a commit yet.
MonkeyEvent MonkeyGenerator::InputMethod() {
    const QString preedit = Chance(0.4) ? Junk(1 + Below(3)) : QString();
    if (!preedit.isEmpty() && Chance(0.3)) return MonkeyEvent::Commit({}, preedit);
    const QString commit = Chance(0.5) ? Digits(1 + Below(4)) : Junk(1 + Below(3));
    if (Chance(0.2)) {
        return MonkeyEvent::Commit(Chance(0.3) ? QString() : commit, preedit, -1 - Below(2),
                                   1 + Below(2));
    }
    return MonkeyEvent::Commit(commit, preedit);
}

// Mostly the two items that change a field's text; the menu is in Spanish, as users see it.
MonkeyEvent MonkeyGenerator::MenuItem() {
    static const char* const kItems[] = {
        "Pegar",    "Pegar",   "Pegar", "Borrar", "Borrar", "Cortar", "Seleccionar todo",
        "Deshacer", "Rehacer", "Copiar"};
    return MonkeyEvent::Menu(
        QString::fromLatin1(kItems[Below(static_cast<int>(std::size(kItems)))]));
}

MonkeyEvent MonkeyGenerator::AnyKey() {
    const int roll = Below(100);
    if (roll < 35) {
        const int digit = Below(10);
        return MonkeyEvent::Press(static_cast<Qt::Key>(Qt::Key_0 + digit), QString::number(digit));
    }
    if (roll < 45) {
        const Stroke& s = kOtherCharacters[Below(static_cast<int>(std::size(kOtherCharacters)))];
        return MonkeyEvent::Press(s.key, QString::fromUtf8(s.text), s.modifiers);
    }
    if (roll < 55) {
        const int letter = Below(26);
        const bool shift = Chance(0.3);
        const QChar c(static_cast<char16_t>((shift ? 'A' : 'a') + letter));
        return MonkeyEvent::Press(static_cast<Qt::Key>(Qt::Key_A + letter), QString(c),
                                  shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    const Stroke& s = kCommandKeys[Below(static_cast<int>(std::size(kCommandKeys)))];
    return MonkeyEvent::Press(s.key, QString::fromUtf8(s.text), s.modifiers);
}

MonkeyEvent MonkeyGenerator::PopupKey() {
    static const Stroke kPopupKeys[] = {
        {Qt::Key_Down, "", {}},     {Qt::Key_Down, "", {}},
        {Qt::Key_Up, "", {}},       {Qt::Key_Home, "", {}},
        {Qt::Key_End, "", {}},      {Qt::Key_PageDown, "", {}},
        {Qt::Key_Return, "\r", {}}, {Qt::Key_Escape, "\x1b", {}},
        {Qt::Key_F4, "", {}},       {Qt::Key_Up, "", M::AltModifier},
        {Qt::Key_Space, " ", {}},   {Qt::Key_Tab, "\t", {}},
        {Qt::Key_A, "a", {}},       {Qt::Key_S, "s", {}},
        {Qt::Key_Q, "q", {}},       {Qt::Key_C, "c", M::AltModifier},
    };
    const Stroke& s = kPopupKeys[Below(static_cast<int>(std::size(kPopupKeys)))];
    return MonkeyEvent::Press(s.key, QString::fromUtf8(s.text), s.modifiers);
}

MonkeyEvent MonkeyGenerator::Paste() {
    const QString text = ClipboardText();
    if (Chance(0.5)) return MonkeyEvent::Paste(text, Qt::Key_V, "\x16", Qt::ControlModifier);
    return MonkeyEvent::Paste(text, Qt::Key_Insert, "", Qt::ShiftModifier);
}

QString MonkeyGenerator::Digits(int count) {
    QString digits;
    for (int i = 0; i < count; ++i) digits += QChar(static_cast<char16_t>('0' + Below(10)));
    return digits;
}

QString MonkeyGenerator::ClipboardText() {
    const int roll = Below(100);
    if (roll < 30)
        return QString::fromUtf8(
            kClipboardTexts[Below(static_cast<int>(std::size(kClipboardTexts)))]);
    if (roll < 60) {  // a number as someone might copy it from a spreadsheet
        QString number = Digits(1 + Below(9));
        if (Chance(0.5)) number += "." + Digits(Below(4));
        if (Chance(0.2)) number.insert(1, ',');
        if (Chance(0.1)) number.prepend('-');
        return number;
    }
    if (roll < 65) {  // longer than the 1000 characters that selecting all once took
        return QString(900 + Below(400), '0') + Digits(1 + Below(12));
    }
    return Junk(Below(16));
}

QString MonkeyGenerator::Junk(int length) {
    static const QString kJunk = QStringLiteral("0123456789.,-+ eE$abcñ٣５\t\n\b");
    QString junk;
    for (int i = 0; i < length; ++i) junk += kJunk.at(Below(static_cast<int>(kJunk.size())));
    return junk;
}

MonkeyEvent MonkeyGenerator::Click(const std::string& target) {
    MonkeyEvent event = MonkeyEvent::ClickOn(target, AnyPoint());
    event.twice = Chance(0.1);
    if (Chance(0.1)) event.modifiers = Chance(0.5) ? Qt::ShiftModifier : Qt::ControlModifier;
    return event;
}

MonkeyEvent MonkeyGenerator::Drag() {
    MonkeyEvent event;
    event.kind = MonkeyEvent::Kind::Drag;
    event.target = AnyControl();
    event.at = AnyPoint();
    event.releaseTarget = Chance(0.5) ? event.target : AnyControl();
    event.releaseAt = AnyPoint();
    return event;
}

MonkeyEvent MonkeyGenerator::Wheel() {
    MonkeyEvent event;
    event.kind = MonkeyEvent::Kind::Wheel;
    event.target = Chance(0.5) ? std::string("cmbTarifa") : AnyControl();
    event.at = AnyPoint();
    event.delta = Chance(0.5) ? 120 : -120;
    return event;
}

}  // namespace isr
