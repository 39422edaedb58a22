// SPDX-License-Identifier: MIT
#include "ui/calc_panel.h"

#include <string>

#include "presentation/box_labels.h"
#include "presentation/calculation_labels.h"
#include "tariffs/periods.h"
#include "ui/maker_content.h"
#include "ui/maker_look.h"
#include "ui/result_line_edit.h"
#include "ui/system_colours.h"

namespace isr {

namespace {

struct Caption {
    const char* name;
    QString text;
    LabelLook look;
};

// Drawn on the panel beneath the boxes, in this order: the opaque section title covers the
// separator line it lies on.
void AddSeparatorsAndCaptions(QWidget* frame) {
    const char* shadowLines[] = {"Line1", "Line4", "Line5", "Line7"};
    const char* highlightLines[] = {"Line2", "Line3", "Line6", "Line8"};
    for (const char* name : shadowLines) AddLine(frame, name, ButtonShadow());
    for (const char* name : highlightLines) AddLine(frame, name, ButtonHighlight());

    using enum ResultBox;
    const auto box = [](ResultBox b) { return ToQString(LabelOf(b).caption); };
    const auto entered = [](EnteredFigure f) { return ToQString(LabelOf(f).caption); };
    // The subsidy's caption stands on two lines, its first word above the rest.
    const QString subsidy = box(kSubsidy);
    const auto space = subsidy.indexOf(QLatin1Char(' '));
    const Caption captions[] = {
        {"lbl(17)", entered(EnteredFigure::kPeriod), {}},
        {"lbl(13)", entered(EnteredFigure::kSubsidySum), {}},
        {"lbl(1)", entered(EnteredFigure::kBase), {}},
        // The section title is drawn a space in from the line it covers.
        {"lbl(3)", QLatin1Char(' ') + ToQString(kIsrSection.heading), LabelLook().Bold().Opaque()},
        {"lbl(4)", box(kIsrLowerLimit), {}},
        {"lbl(8)", box(kIsrFixedFee), {}},
        {"lbl(5)", box(kIsrExcess), {}},
        {"lbl(6)", box(kIsrRate), {}},
        {"lbl(7)", box(kDeterminedTax), {}},
        {"lbl(22)", subsidy.left(space), LabelLook().Bold().Coloured(QColor(0x29, 0x61, 0xB4))},
        {"lbl(11)", box(kSubsidyLowerLimit), {}},
        {"lbl(10)", subsidy.mid(space + 1), {}},
        {"lbl(12)", box(kSubsidyUpperLimit), {}},
        {"lbl(31)", box(kResult), LabelLook().Bold().Aligned(Qt::AlignHCenter)},
    };
    for (const Caption& c : captions) {
        AddLabel(frame, c.name, c.text, c.look);
    }
}

void AddFooter(QWidget* frame, CalcPanel& panel) {
    AddImage(frame, "Image1", kLogoResource);
    AddLabel(frame, "lbl(23)", ToQString(maker::kSlogan), LabelLook().Coloured(kSloganColour));
    panel.lbllink[0] = AddLink(frame, "lbllink(0)", ToQString(maker::kHost), kWebAddressLook);
    panel.lbllink[1] = AddLink(frame, "lbllink(1)", QStringLiteral("más Productos..."),
                               LabelLook().Underlined().Coloured(QColor(0xC0, 0x00, 0x00)));
}

}  // namespace

CalcPanel BuildCalcPanel(QWidget* frame) {
    CalcPanel panel;
    AddSeparatorsAndCaptions(frame);
    panel.lbl13 = frame->findChild<QLabel*>(QStringLiteral("lbl(13)"));
    panel.lbl13->setEnabled(false);
    AddFooter(frame, panel);

    // The boxes and the button are created last: they lie above everything drawn on the panel.
    panel.cmbTarifa = new QComboBox(frame);
    Place(panel.cmbTarifa, "cmbTarifa");
    for (const auto name : kPeriodNames) panel.cmbTarifa->addItem(ToQString(name));
    panel.cmbTarifa->setCurrentIndex(-1);

    panel.txtBase = AddTextBox<EntryLineEdit>(frame, "txtBase");
    panel.txtPagos = AddTextBox<EntryLineEdit>(frame, "txtPagos");
    panel.txtPagos->setEnabled(false);

    panel.cmdCalc = new AccessKeyButton(QStringLiteral("&Calcular"), frame);
    Place(panel.cmdCalc, "cmdCalc");

    for (const BoxLabel& label : kBoxLabels) {
        panel.resultBoxes[static_cast<std::size_t>(label.box)] =
            AddTextBox<ResultLineEdit>(frame, label.control);
    }
    auto* result = panel.resultBoxes[static_cast<std::size_t>(ResultBox::kResult)];
    result->setAlignment(Qt::AlignCenter);
    QFont big;
    big.setPointSizeF(12);
    big.setBold(true);
    result->SetFigureFont(big);
    QPalette palette = result->palette();
    palette.setColor(QPalette::Text, QColor(0xC0, 0x00, 0x00));
    result->setPalette(palette);
    return panel;
}

QLineEdit* ResultBoxEdit(const CalcPanel& panel, ResultBox box) {
    return panel.resultBoxes[static_cast<std::size_t>(box)];
}

}  // namespace isr
