// SPDX-License-Identifier: MIT
// The entry fields and the period list under real key, mouse and focus events, and the
// calculation they feed.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "tariffs/table_sets.h"
#include "window_fixture.h"

namespace isr {
namespace {

class EntryTest : public WindowTest {
  protected:
    QLineEdit* Field(const char* name) const { return Find<QLineEdit>(name); }
    QString TextOf(const char* name) const { return Field(name)->text(); }

    // Tab from the period list to the income, as a user would, the income holding `start`.
    void TabToBase(const QString& start = {}) const {
        Find("cmbTarifa")->setFocus(Qt::OtherFocusReason);
        if (!start.isNull()) Field("txtBase")->setText(start);
        Press(Qt::Key_Tab);
    }

    void ChoosePeriod(int index) const {
        auto* periods = Find<QComboBox>("cmbTarifa");
        periods->setFocus(Qt::OtherFocusReason);
        while (periods->currentIndex() < index) Press(Qt::Key_Down);
        while (periods->currentIndex() > index) Press(Qt::Key_Up);
    }

    std::vector<std::string> Results() const {
        std::vector<std::string> texts;
        for (const char* name :
             {"txtISR08(0)", "txtISR08(1)", "txtISR08(2)", "txtISR08(3)", "txtISR08(4)",
              "txtSUB08(0)", "txtSUB08(1)", "txtSUB08(2)", "txtRet08(0)"}) {
            texts.push_back(TextOf(name).toStdString());
        }
        return texts;
    }
};

const std::vector<std::string> kUntouched = {"0", "0", "0", "0", "0", "0", "0", "0", "0"};

TEST_F(EntryTest, FocusByTabSelectsAllSoTheFirstDigitReplacesTheZero) {
    TabToBase();
    ASSERT_EQ(FocusName(), "txtBase");
    EXPECT_EQ(Field("txtBase")->selectedText(), QStringLiteral("0"));
    Type("8");
    EXPECT_EQ(TextOf("txtBase"), QStringLiteral("8"));
}

TEST_F(EntryTest, FocusByMouseClickKeepsTheWholeTextSelected) {
    QLineEdit* base = Field("txtBase");
    base->setText(QStringLiteral("1,234.50"));
    ClickAt("txtBase");
    ASSERT_EQ(FocusName(), "txtBase");
    EXPECT_EQ(base->selectedText(), QStringLiteral("1,234.50"));
    Type("9");
    EXPECT_EQ(base->text(), QStringLiteral("9"));
    // A second click, with the focus already there, places the caret as usual.
    ClickAt("txtBase");
    EXPECT_FALSE(base->hasSelectedText());
}

// Another window takes over while an amount is being typed; the person comes back by a click on
// the field (at its left edge, far from the caret's last place) or by the keyboard. Either way the
// field's text is selected whole and the first key replaces it: the typed amount never joins the
// one there.
TEST_F(EntryTest, ComingBackToTheWindowSelectsTheFieldWholeAndTheClickKeepsIt) {
    struct Row {
        const char* name;
        bool byClick;
    };
    for (const Row& row :
         {Row{"a click brings them back", true}, Row{"the keyboard brings them back", false}}) {
        SCOPED_TRACE(row.name);
        OpenWindow(DefaultTableSet());
        QLineEdit* base = Field("txtBase");
        ClickAt("txtBase");
        Type("15000");
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        ASSERT_NE(QApplication::activeWindow(), window_.get());
        EXPECT_EQ(base->text(), QStringLiteral("15000")) << "leaving the window is no leaving";
        QApplication::setActiveWindow(window_.get());
        ASSERT_EQ(FocusName(), "txtBase");
        EXPECT_EQ(base->selectedText(), QStringLiteral("15000"));
        if (row.byClick) ClickAt(base, QPoint(2, base->height() / 2));
        Type("7500");
        EXPECT_EQ(base->text(), QStringLiteral("7500"));
        // Now being edited: a click places the caret.
        ClickAt(base, QPoint(2, base->height() / 2));
        EXPECT_FALSE(base->hasSelectedText());
    }
}

// Tab brings the person to the field as a click does: the click that follows keeps the text
// selected, until they type.
TEST_F(EntryTest, TheFirstClickAfterTabKeepsTheSelection) {
    TabToBase(QStringLiteral("1,234.50"));
    ClickAt("txtBase");
    EXPECT_EQ(Field("txtBase")->selectedText(), QStringLiteral("1,234.50"));
    Type("9");
    EXPECT_EQ(TextOf("txtBase"), QStringLiteral("9"));
}

TEST_F(EntryTest, KeysEditTheFieldByTheEntryRules) {
    struct Row {
        const char* name;
        QString start;  // the field's text before it takes the focus
        std::function<void(const EntryTest&)> keys;
        QString text;
        QString selected;
    };
    const Row rows[] = {
        {"digits replace the selected zero", "0", [](const EntryTest& t) { t.Type("3000"); },
         "3000", ""},
        {"a point on zero gives 0.", "0", [](const EntryTest& t) { t.Type("."); }, "0.", ""},
        {"a second point is dropped", "0", [](const EntryTest& t) { t.Type("1.5.2"); }, "1.52", ""},
        {"letters, comma, blank and minus are dropped", "0",
         [](const EntryTest& t) { t.Type("7a,b -1"); }, "71", ""},
        {"backspace to empty gives a selected zero", "5",
         [](const EntryTest& t) {
             t.Press(Qt::Key_End);
             t.Press(Qt::Key_Backspace);
         },
         "0", "0"},
        {"delete of the whole text gives a selected zero", "1,234.50",
         [](const EntryTest& t) { t.Press(Qt::Key_Delete); }, "0", "0"},
        {"End keeps the text and appends", "1,234.50",
         [](const EntryTest& t) {
             t.Press(Qt::Key_End);
             t.Type("7");
         },
         "1,234.507", ""},
        {"Enter, Escape and Ctrl+V change nothing", "12",
         [](const EntryTest& t) {
             QApplication::clipboard()->setText(QStringLiteral("99"));
             t.Press(Qt::Key_End);
             t.Press(Qt::Key_Return);
             t.Press(Qt::Key_Escape);
             t.Press(Qt::Key_V, Qt::ControlModifier);
         },
         "12", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TabToBase(row.start);
        row.keys(*this);
        EXPECT_EQ(TextOf("txtBase"), row.text);
        EXPECT_EQ(Field("txtBase")->selectedText(), row.selected);
    }
    EXPECT_EQ(Results(), kUntouched);  // no key calculates, Enter included
}

TEST_F(EntryTest, PastedLettersBecomeASelectedZero) {
    QLineEdit* base = Field("txtBase");
    TabToBase();
    Type("42");
    QApplication::clipboard()->setText(QStringLiteral("12abc"));
    QSignalSpy changes(base, &QLineEdit::textChanged);
    base->paste();  // what the context menu's Paste does
    // The paste, and the reset to "0" inside its change handling, which ends there: one level
    // deep. The reset reaches the spy first, because the field's own rule is connected first.
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes.at(0).at(0).toString(), QStringLiteral("0"));
    EXPECT_EQ(changes.at(1).at(0).toString(), QStringLiteral("4212abc"));
    EXPECT_EQ(base->text(), QStringLiteral("0"));
    EXPECT_EQ(base->selectedText(), QStringLiteral("0"));
    EXPECT_EQ(TextOf("txtPagos"), QStringLiteral("0"));
}

// Characters that arrive several to one event, as a compose sequence or an input method's keys
// can send them, each pass the key rule as if typed one after another.
TEST_F(EntryTest, KeyEventsWithSeveralCharactersTypeThemOneByOne) {
    struct Row {
        const char* name;
        QString start;
        QString characters;
        QString text;
    };
    const Row rows[] = {
        {"digits replace the selected zero", "0", "3000", "3000"},
        {"a second point is dropped, not the whole text", "0", "1.5.2", "1.52"},
        {"a point on zero gives 0.", "0", ".5", "0.5"},
        {"letters, comma, blank and minus are dropped", "0", "7a,b -1", "71"},
        {"a backspace among them deletes", "0", "12\b3", "13"},
        {"a digit from outside the basic plane is dropped whole", "0", "4\U0001D7D3", "4"},
        {"full-width digits are dropped", "8", "５６", "8"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TabToBase(row.start);
        KeyWithText(row.characters);
        EXPECT_EQ(TextOf("txtBase"), row.text);
    }
}

// An input method's commit is typed as keys are; what it is still composing never lands in the
// field, and neither does the selected text it would replace.
TEST_F(EntryTest, InputMethodCommitsPassTheKeyRule) {
    struct Row {
        const char* name;
        QString start;  // wholly selected, or with the caret at the end
        bool caretAtEnd;
        QString preedit;
        QString commit;
        int replaceFrom;
        int replaceLength;
        QString text;
        QString selected;
    };
    const Row rows[] = {
        {"a digit replaces the selected zero", "0", false, "", "7", 0, 0, "7", ""},
        {"a second point is dropped", "1.5", true, "", ".", 0, 0, "1.5", ""},
        {"each character of a commit passes on its own", "0", false, "", "12a.5.7", 0, 0, "12.57",
         ""},
        {"a composed full-width digit is dropped", "3", false, "５", "５", 0, 0, "3", "3"},
        {"what is being composed changes nothing", "1,234.50", false, "9", "", 0, 0, "1,234.50",
         "1,234.50"},
        {"composing then committing a digit types it", "0", false, "4", "4", 0, 0, "4", ""},
        {"a commit in place of the digit before the caret", "125", true, "", "9", -1, 1, "129", ""},
        {"a refused commit leaves what it would replace", "125", true, "", "x", -1, 1, "125", "5"},
        {"deleting through the input method keeps a number", "5", true, "", "", -1, 1, "0", "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TabToBase(row.start);
        if (row.caretAtEnd) Press(Qt::Key_End);
        SendInputMethod(row.preedit, row.commit, row.replaceFrom, row.replaceLength);
        EXPECT_EQ(TextOf("txtBase"), row.text);
        EXPECT_EQ(Field("txtBase")->selectedText(), row.selected);
    }
}

// A result box takes the focus and a selection but no text, from an input method neither.
TEST_F(EntryTest, ResultBoxesTakeNoInputMethodText) {
    for (const char* name : {"txtISR08(0)", "txtISR08(4)", "txtSUB08(2)", "txtRet08(0)"}) {
        SCOPED_TRACE(name);
        ClickAt(name);
        ASSERT_EQ(FocusName(), name);
        EXPECT_FALSE(QInputMethod::queryFocusObject(Qt::ImEnabled, {}).toBool());
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("66"));
        QApplication::sendEvent(FocusWidget(), &commit);
        EXPECT_EQ(TextOf(name), QStringLiteral("0"));
    }
}

// Nothing dropped on an entry field gets in, whether the field has the focus or not.
TEST_F(EntryTest, DropsOnTheEntryFieldsAreRefused) {
    struct Row {
        const char* name;
        const char* field;
        bool focused;
        QString dropped;
    };
    const Row rows[] = {
        {"an amount on txtBase while the period list has the focus", "txtBase", false, "496.075"},
        {"an amount on txtBase being edited", "txtBase", true, "5"},
        {"letters on txtBase", "txtBase", false, "12abc"},
        {"an amount on the enabled txtPagos", "txtPagos", false, "250"},
    };
    ChoosePeriod(1);  // "Anual", for txtPagos
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Find("cmbTarifa")->setFocus(Qt::OtherFocusReason);
        if (row.focused) Field(row.field)->setFocus(Qt::TabFocusReason);
        const QString before = TextOf(row.field);
        EXPECT_FALSE(Drop(row.dropped, row.field));
        EXPECT_EQ(TextOf(row.field), before);
    }
}

TEST_F(EntryTest, FieldsHoldTextsOfAnyLength) {
    TabToBase();
    // 40,000 characters that read as 1: a number that long would not fit a double.
    QApplication::clipboard()->setText(QString(39'999, u'0') + u'1');
    Field("txtBase")->paste();
    Press(Qt::Key_End);
    Type("2");
    EXPECT_EQ(TextOf("txtBase").size(), 40'001);
    EXPECT_TRUE(TextOf("txtBase").endsWith(QStringLiteral("12")));
}

TEST_F(EntryTest, LeavingAFieldShowsItsValueFormatted) {
    struct Row {
        const char* typed;
        const char* shown;
    };
    const Row rows[] = {
        {"0.", "0.00"}, {"7.5", "7.50"}, {"12000.5", "12,000.50"}, {"1234.505", "1,234.51"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        TabToBase();
        Type(row.typed);
        Press(Qt::Key_Tab);
        EXPECT_EQ(TextOf("txtBase"), row.shown);
    }
}

TEST_F(EntryTest, OnlyTheAnnualPeriodEnablesTheSubsidySum) {
    for (const int period : {1, 2, 3, 4, 5, 0, 1}) {
        SCOPED_TRACE("period " + std::to_string(period));
        ChoosePeriod(period);
        EXPECT_EQ(Field("txtPagos")->isEnabled(), period == 1);
        EXPECT_EQ(Find<QLabel>("lbl(13)")->isEnabled(), period == 1);
        if (period == 1 && TextOf("txtPagos") == QStringLiteral("0")) {
            Press(Qt::Key_Tab);
            Press(Qt::Key_Tab);
            Type("250");
        }
    }
    // Disabling keeps what was typed.
    EXPECT_EQ(TextOf("txtPagos"), QStringLiteral("250.00"));
}

struct Example {
    const char* name;
    int period;
    const char* base;
    const char* pagos;  // typed only for the annual period
    std::vector<std::string> results;
};

const Example kExamples[] = {
    {"monthly 3,000.00",
     0,
     "3000",
     nullptr,
     {"496.08", "2,503.92", "6.40", "9.52", "169.77", "2,653.39", "3,472.84", "406.62", "-236.85"}},
    {"monthly 10,000.00",
     0,
     "10000",
     nullptr,
     {"8,601.51", "1,398.49", "17.92", "786.54", "1,037.15", "7,382.34", "99,999,999.99", "0.00",
      "1,037.15"}},
    {"annual 100,000.00 less 1,200.00 paid",
     1,
     "100000",
     "1200",
     {"88,793.05", "11,206.95", "16.00", "7,130.48", "8,923.59", "0", "0", "0", "7,723.59"}},
};

TEST_F(EntryTest, MouseClickOnCalcularShowsTheWorkedExamples) {
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.name);
        ChoosePeriod(example.period);
        TabToBase();
        Type(example.base);
        if (example.pagos) {
            Press(Qt::Key_Tab);
            Type(example.pagos);
        }
        ClickAt("cmdCalc");
        EXPECT_EQ(FocusName(), "cmdCalc");
        EXPECT_EQ(Results(), example.results);
    }
}

const std::vector<std::string> kRounded496075 = {"496.08", "0.00",     "6.40",   "9.52",   "9.52",
                                                 "0.01",   "1,768.96", "407.02", "-397.50"};

TEST_F(EntryTest, AltCFormatsTheFieldBeforeCalculatingAsAClickDoes) {
    TabToBase();
    // Unrounded, 496.075 falls between two brackets; formatted first it is 496.08.
    Type("496.075");
    Press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(FocusName(), "cmdCalc");
    EXPECT_EQ(TextOf("txtBase"), QStringLiteral("496.08"));
    EXPECT_EQ(Results(), kRounded496075);
}

// However "&Calcular" is pressed, it calculates on the rounded amount and the field shows it, also
// when the text got into the field without passing through the focus (a screen reader wrote it)
// or the press leaves the focus in the field (the button's accessible action).
TEST_F(EntryTest, EveryWayOfCalculatingFormatsTheFieldsFirst) {
    const auto writtenByAScreenReader = [this](const char* focus) {
        Find(focus)->setFocus(Qt::OtherFocusReason);
        QAccessible::queryAccessibleInterface(Field("txtBase"))
            ->setText(QAccessible::Value, QStringLiteral("496.075"));
    };
    struct Row {
        const char* name;
        std::function<void()> calculate;
    };
    const Row rows[] = {
        {"a mouse click",
         [&] {
             writtenByAScreenReader("cmbTarifa");
             ClickAt("cmdCalc");
         }},
        {"Space on the button",
         [&] {
             writtenByAScreenReader("cmdCalc");
             Press(Qt::Key_Space);
         }},
        {"Alt+C",
         [&] {
             writtenByAScreenReader("cmbTarifa");
             Press(Qt::Key_C, Qt::AltModifier);
         }},
        {"the accessible press, the focus left in the field",
         [&] {
             TabToBase();
             Type("496.075");
             QSignalSpy clicked(Find<QPushButton>("cmdCalc"), &QPushButton::clicked);
             QAccessible::queryAccessibleInterface(Find("cmdCalc"))
                 ->actionInterface()
                 ->doAction(QAccessibleActionInterface::pressAction());
             // The press shows the button pushed for a moment before it clicks.
             EXPECT_TRUE(clicked.wait(1000));
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Field("txtBase")->setText(QStringLiteral("0"));
        row.calculate();
        EXPECT_EQ(TextOf("txtBase"), QStringLiteral("496.08"));
        EXPECT_EQ(Results(), kRounded496075);
    }
}

// The drop of 496.075 on txtBase, the focus elsewhere, then a click on "&Calcular": the drop is
// refused, and the calculation is that of the zero the field still holds.
TEST_F(EntryTest, ADroppedAmountNeverReachesTheCalculation) {
    ASSERT_EQ(FocusName(), "cmbTarifa");
    EXPECT_FALSE(Drop(QStringLiteral("496.075"), "txtBase"));
    ClickAt("cmdCalc");
    EXPECT_EQ(TextOf("txtBase"), QStringLiteral("0.00"));
    EXPECT_EQ(Results(),
              (std::vector<std::string>{"0", "0", "0", "0", "0.00", "0", "0", "0", "0.00"}));
}

TEST_F(EntryTest, ResultsStayThroughOtherPanelsAndEditsUntilTheNextClick) {
    TabToBase();
    Type("3000");
    ClickAt("cmdCalc");
    const std::vector<std::string> shown = kExamples[0].results;
    ASSERT_EQ(Results(), shown);

    ClickAt("lblBtn(1)");
    ClickAt("lblBtn(2)");
    ClickAt("lblBtn(0)");
    EXPECT_EQ(TextOf("txtBase"), QStringLiteral("3,000.00"));
    TabToBase();
    Type("10000");
    ChoosePeriod(2);
    EXPECT_EQ(Results(), shown);

    ChoosePeriod(0);
    Press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(Results(), kExamples[1].results);
}

}  // namespace
}  // namespace isr
