// SPDX-License-Identifier: MIT
#include "ui/accessible_names.h"

#include <QLabel>
#include <QStringList>

namespace isr {

namespace {

// Up to two labels read as one caption, in order: "Subsidio" above "para el Empleo".
using Labels = std::array<const char*, 2>;

struct Captioned {
    const char* control;
    Labels caption;  // its first label is the control's buddy
    Labels section;  // none for the entries
};

constexpr Labels kNone = {nullptr, nullptr};
constexpr Labels kIsrSection = {"lbl(3)", nullptr};
constexpr Labels kSubsidySection = {"lbl(22)", "lbl(10)"};

constexpr Captioned kCalcPanel[] = {
    {"cmbTarifa", {"lbl(17)"}, kNone},
    {"txtBase", {"lbl(1)"}, kNone},
    {"txtPagos", {"lbl(13)"}, kNone},
    {"txtISR08(0)", {"lbl(4)"}, kIsrSection},
    {"txtISR08(1)", {"lbl(5)"}, kIsrSection},
    {"txtISR08(2)", {"lbl(6)"}, kIsrSection},
    {"txtISR08(3)", {"lbl(8)"}, kIsrSection},
    {"txtISR08(4)", {"lbl(7)"}, kIsrSection},
    {"txtSUB08(0)", {"lbl(11)"}, kSubsidySection},
    {"txtSUB08(1)", {"lbl(12)"}, kSubsidySection},
    {"txtSUB08(2)", {"lbl(22)", "lbl(10)"}, kSubsidySection},
    {"txtRet08(0)", {"lbl(31)"}, kNone},
};

QLabel* Label(const QWidget* frame, const char* name) {
    return frame->findChild<QLabel*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// The section title carries a leading blank to sit clear of the separator line.
QString Read(const QWidget* frame, const Labels& labels) {
    QStringList parts;
    for (const char* name : labels) {
        if (name) parts << Label(frame, name)->text().trimmed();
    }
    return parts.join(QLatin1Char(' '));
}

void NameCalcPanel(const CalcPanel& calc) {
    QWidget* frame = calc.cmbTarifa->parentWidget();
    for (const Captioned& c : kCalcPanel) {
        auto* control =
            frame->findChild<QWidget*>(QString::fromLatin1(c.control), Qt::FindDirectChildrenOnly);
        Label(frame, c.caption[0])->setBuddy(control);
        control->setAccessibleName(Read(frame, c.caption));
        control->setAccessibleDescription(Read(frame, c.section));
    }
}

}  // namespace

void NameFocusableControls(const NavBar& nav, const std::array<QWidget*, 3>& panels,
                           const CalcPanel& calc) {
    for (std::size_t k = 0; k < panels.size(); ++k) {
        panels[k]->setAccessibleName(nav.lblBtn[k]->text());
        nav.picBtn[k]->setAccessibleName(nav.lblBtn[k]->text());
    }
    NameCalcPanel(calc);
}

void NameTariffListing(const NavBar& nav, const TariffsPanel& tariffs) {
    tariffs.Text1->setAccessibleName(nav.lblBtn[1]->text());
}

}  // namespace isr
