// SPDX-License-Identifier: MIT
#include "ui/calc_panel.h"

#include <string>

#include "tariffs/periods.h"
#include "ui/maker_content.h"
#include "ui/maker_look.h"
#include "ui/result_line_edit.h"
#include "ui/system_colours.h"

namespace isr {

namespace {

struct Caption {
    const char* name;
    const char* text;
    LabelLook look;
};

// Drawn on the panel beneath the boxes, in this order: the opaque section title covers the
// separator line it lies on.
void AddSeparatorsAndCaptions(QWidget* frame) {
    const char* shadowLines[] = {"Line1", "Line4", "Line5", "Line7"};
    const char* highlightLines[] = {"Line2", "Line3", "Line6", "Line8"};
    for (const char* name : shadowLines) AddLine(frame, name, ButtonShadow());
    for (const char* name : highlightLines) AddLine(frame, name, ButtonHighlight());

    const Caption captions[] = {
        {"lbl(17)", "Tipo de Tarifa", {}},
        {"lbl(13)", "Suma Subsidio para el Empleo", {}},
        {"lbl(1)", "Ingreso Gravable", {}},
        {"lbl(3)", " Cálculo del ISR 2016", LabelLook().Bold().Opaque()},
        {"lbl(4)", "Límite Inferior", {}},
        {"lbl(8)", "Cuota Fija", {}},
        {"lbl(5)", "Excedente del Límite Inferior", {}},
        {"lbl(6)", "Porcentaje sobre Límite Inferior", {}},
        {"lbl(7)", "Impuesto Determinado", {}},
        {"lbl(22)", "Subsidio", LabelLook().Bold().Coloured(QColor(0x29, 0x61, 0xB4))},
        {"lbl(11)", "Límite Inferior", {}},
        {"lbl(10)", "para el Empleo", {}},
        {"lbl(12)", "Límite Superior", {}},
        {"lbl(31)", "Procedimiento 2016", LabelLook().Bold().Aligned(Qt::AlignHCenter)},
    };
    for (const Caption& c : captions) {
        AddLabel(frame, c.name, QString::fromUtf8(c.text), c.look);
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

    for (std::size_t i = 0; i < panel.txtISR08.size(); ++i) {
        panel.txtISR08[i] =
            AddTextBox<ResultLineEdit>(frame, "txtISR08(" + std::to_string(i) + ")");
    }
    for (std::size_t i = 0; i < panel.txtSUB08.size(); ++i) {
        panel.txtSUB08[i] =
            AddTextBox<ResultLineEdit>(frame, "txtSUB08(" + std::to_string(i) + ")");
    }
    auto* result = AddTextBox<ResultLineEdit>(frame, "txtRet08(0)");
    result->setAlignment(Qt::AlignCenter);
    QFont big;
    big.setPointSizeF(12);
    big.setBold(true);
    result->SetFigureFont(big);
    QPalette palette = result->palette();
    palette.setColor(QPalette::Text, QColor(0xC0, 0x00, 0x00));
    result->setPalette(palette);
    panel.txtRet08[0] = result;
    return panel;
}

QLineEdit* ResultBoxEdit(const CalcPanel& panel, ResultBox box) {
    switch (box) {
        case ResultBox::kIsrLowerLimit:
            return panel.txtISR08[0];
        case ResultBox::kIsrExcess:
            return panel.txtISR08[1];
        case ResultBox::kIsrRate:
            return panel.txtISR08[2];
        case ResultBox::kIsrFixedFee:
            return panel.txtISR08[3];
        case ResultBox::kDeterminedTax:
            return panel.txtISR08[4];
        case ResultBox::kSubsidyLowerLimit:
            return panel.txtSUB08[0];
        case ResultBox::kSubsidyUpperLimit:
            return panel.txtSUB08[1];
        case ResultBox::kSubsidy:
            return panel.txtSUB08[2];
        case ResultBox::kResult:
            return panel.txtRet08[0];
    }
    return nullptr;
}

}  // namespace isr
