// SPDX-License-Identifier: MIT
// The window as a screen reader sees it: names, roles and actions through Qt's accessibility
// interfaces, and a whole calculation done with the keyboard alone.
#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <functional>
#include <map>

#include "ui/click_box.h"
#include "ui/click_label.h"
#include "window_fixture.h"

namespace isr {
namespace {

QAccessibleInterface* InterfaceOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// Every interface beneath `root`, depth first, hidden panels included.
void Walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        visit(child);
        Walk(child, visit);
    }
}

std::string Name(QAccessibleInterface* iface) {
    return iface->text(QAccessible::Name).toStdString();
}

// What a screen reader reads as the control's caption. On Linux Qt names a combo box by its
// current item, as GTK does, and leaves the caption to the label relation.
std::string Caption(QAccessibleInterface* iface) {
    if (iface->role() != QAccessible::ComboBox) return Name(iface);
    const auto labels = iface->relations(QAccessible::Label);
    return labels.size() == 1 ? Name(labels[0].first) : std::string("(no single label)");
}

struct Announced {
    std::string name;
    QAccessible::Role role;
    std::string description;
};

const std::string kIsr = "Cálculo del ISR 2016";
const std::string kSubsidy = "Subsidio para el Empleo";

const std::map<std::string, Announced> kFocusable = {
    {"cmbTarifa", {"Tipo de Tarifa", QAccessible::ComboBox, ""}},
    {"txtBase", {"Ingreso Gravable", QAccessible::EditableText, ""}},
    {"txtPagos", {"Suma Subsidio para el Empleo", QAccessible::EditableText, ""}},
    {"txtISR08(0)", {"Límite Inferior", QAccessible::EditableText, kIsr}},
    {"txtISR08(1)", {"Excedente del Límite Inferior", QAccessible::EditableText, kIsr}},
    {"txtISR08(2)", {"Porcentaje sobre Límite Inferior", QAccessible::EditableText, kIsr}},
    {"txtISR08(3)", {"Cuota Fija", QAccessible::EditableText, kIsr}},
    {"txtISR08(4)", {"Impuesto Determinado", QAccessible::EditableText, kIsr}},
    {"txtSUB08(0)", {"Límite Inferior", QAccessible::EditableText, kSubsidy}},
    {"txtSUB08(1)", {"Límite Superior", QAccessible::EditableText, kSubsidy}},
    {"txtSUB08(2)", {"Subsidio para el Empleo", QAccessible::EditableText, kSubsidy}},
    {"txtRet08(0)", {"Procedimiento 2016", QAccessible::EditableText, ""}},
    {"cmdCalc", {"Calcular", QAccessible::Button, ""}},
    {"frame(0)", {"Cálculo", QAccessible::Client, ""}},
    {"frame(1)", {"Tarifas", QAccessible::Client, ""}},
    {"frame(2)", {"Productos y Servicios", QAccessible::Client, ""}},
    {"Text1", {"Tarifas", QAccessible::EditableText, ""}},
    {"picBtn(0)", {"Cálculo", QAccessible::PageTab, ""}},
    {"picBtn(1)", {"Tarifas", QAccessible::PageTab, ""}},
    {"picBtn(2)", {"Productos y Servicios", QAccessible::PageTab, ""}},
};

TEST_F(WindowTest, EveryFocusableControlIsAnnouncedByItsCaption) {
    VisitEveryPanel();
    std::map<std::string, QAccessibleInterface*> found;
    Walk(InterfaceOf(window_.get()), [&](QAccessibleInterface* iface) {
        // Items such as the period list's entries are no objects of their own, and the list
        // itself lives in a popup window that Tab never reaches.
        const auto* widget = qobject_cast<QWidget*>(iface->object());
        if (iface->state().focusable && widget && widget->window() == window_.get()) {
            found[widget->objectName().toStdString()] = iface;
        }
    });
    for (const auto& [control, expected] : kFocusable) {
        SCOPED_TRACE(control);
        ASSERT_TRUE(found.contains(control));
        QAccessibleInterface* iface = found[control];
        EXPECT_EQ(Caption(iface), expected.name);
        EXPECT_EQ(iface->role(), expected.role);
        EXPECT_EQ(iface->text(QAccessible::Description).toStdString(), expected.description);
        found.erase(control);
    }
    for (const auto& [control, iface] : found) ADD_FAILURE() << "unexpected focusable " << control;
}

// A caption that is a control's buddy is reported as its label, as Qt relates a form's rows.
TEST_F(WindowTest, CaptionsAreTheLabelsOfTheirBoxes) {
    const std::pair<const char*, const char*> rows[] = {
        {"lbl(17)", "cmbTarifa"},   {"lbl(1)", "txtBase"},      {"lbl(13)", "txtPagos"},
        {"lbl(4)", "txtISR08(0)"},  {"lbl(7)", "txtISR08(4)"},  {"lbl(11)", "txtSUB08(0)"},
        {"lbl(22)", "txtSUB08(2)"}, {"lbl(31)", "txtRet08(0)"},
    };
    for (const auto& [caption, control] : rows) {
        SCOPED_TRACE(control);
        const auto labels = InterfaceOf(Find(control))->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0].first->object(), Find(caption));
    }
}

TEST_F(WindowTest, LinksAndNavigationButtonsArePressedAsAClickWould) {
    struct Row {
        const char* control;
        QAccessible::Role role;
        const char* name;
    };
    const Row rows[] = {
        {"lbllink(0)", QAccessible::Link, nullptr},
        {"lbllink(1)", QAccessible::Link, "más Productos..."},
        {"lbllink(2)", QAccessible::Link, nullptr},
        {"lbllink(3)", QAccessible::Link, nullptr},
        {"lblProdlink(0)", QAccessible::Link, nullptr},
        {"lblProdlink(4)", QAccessible::Link, nullptr},
        {"lblProdlink(5)", QAccessible::Link, nullptr},
        {"picBtn(1)", QAccessible::PageTab, "Tarifas"},
    };
    VisitEveryPanel();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        QWidget* control = Find(row.control);
        ASSERT_NE(control, nullptr);
        QAccessibleInterface* iface = InterfaceOf(control);
        EXPECT_EQ(iface->role(), row.role);
        // A link is named by the text it shows.
        const auto* label = qobject_cast<QLabel*>(control);
        const std::string name = row.name ? row.name : label->text().toStdString();
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(Name(iface), name);
        EXPECT_EQ(iface->state().linked, row.role == QAccessible::Link);

        QAccessibleActionInterface* actions = iface->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QSignalSpy clicks(control, SIGNAL(clicked()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(clicks.count(), 1);
    }
    // The last press went through the window's handler as a click does.
    EXPECT_TRUE(Find("frame(1)")->isVisible());
}

// The captions inside the navigation buttons stay plain text: the button is what is pressed.
TEST_F(WindowTest, NavigationCaptionsAreNotLinks) {
    for (const char* caption : {"lblBtn(0)", "lblBtn(1)", "lblBtn(2)"}) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(InterfaceOf(Find(caption))->role(), QAccessible::StaticText);
    }
}

TEST_F(WindowTest, FocusedNavigationButtonsAreClickedBySpaceOrEnter) {
    struct Row {
        const char* button;
        Qt::Key key;
        int panel;
    };
    const Row rows[] = {
        {"picBtn(1)", Qt::Key_Space, 1},
        {"picBtn(2)", Qt::Key_Return, 2},
        {"picBtn(0)", Qt::Key_Enter, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        Find(row.button)->setFocus(Qt::TabFocusReason);
        Press(row.key);
        EXPECT_TRUE(Find("frame(" + std::to_string(row.panel) + ")")->isVisible());
    }
    // Other keys leave the panel as it is.
    Find("picBtn(1)")->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_A);
    EXPECT_TRUE(Find("frame(0)")->isVisible());
}

// What a screen reader says at each Tab stop after a monthly 3,000.00 typed and calculated with
// the keyboard: the caption, and the box's text.
TEST_F(WindowTest, WholeCalculationByKeyboardAlone) {
    struct Stop {
        const char* name;
        const char* value;  // nullptr where the control has no text of its own
    };
    const Stop stops[] = {
        {"Tipo de Tarifa", "Mensual"},
        {"Ingreso Gravable", "3,000.00"},
        {"Límite Inferior", "496.08"},
        {"Excedente del Límite Inferior", "2,503.92"},
        {"Porcentaje sobre Límite Inferior", "6.40"},
        {"Cuota Fija", "9.52"},
        {"Impuesto Determinado", "169.77"},
        {"Límite Inferior", "2,653.39"},
        {"Límite Superior", "3,472.84"},
        {"Subsidio para el Empleo", "406.62"},
        {"Procedimiento 2016", "-236.85"},
        {"Calcular", nullptr},
        {"Cálculo", nullptr},
        {"Cálculo", nullptr},
        {"Tarifas", nullptr},
        {"Productos y Servicios", nullptr},
        {"Tipo de Tarifa", "Mensual"},
    };
    ASSERT_EQ(FocusName(), "cmbTarifa");
    Press(Qt::Key_Tab);
    Type("3000");
    Press(Qt::Key_C, Qt::AltModifier);
    ASSERT_EQ(Name(InterfaceOf(FocusWidget())), "Calcular");

    Find("cmbTarifa")->setFocus(Qt::TabFocusReason);
    for (const Stop& stop : stops) {
        SCOPED_TRACE(stop.name);
        QAccessibleInterface* iface = InterfaceOf(FocusWidget());
        EXPECT_TRUE(iface->state().focused);
        EXPECT_EQ(Caption(iface), stop.name);
        if (stop.value) {
            EXPECT_EQ(iface->text(QAccessible::Value).toStdString(), stop.value);
        }
        Press(Qt::Key_Tab);
    }
}

}  // namespace
}  // namespace isr
