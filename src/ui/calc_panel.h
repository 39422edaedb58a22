// SPDX-License-Identifier: MIT
// The calculation panel, frame(0): period, income, "&Calcular", the result boxes and the footer.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <array>

#include "calc/result_boxes.h"
#include "ui/access_key_button.h"
#include "ui/click_label.h"
#include "ui/controls.h"
#include "ui/entry_line_edit.h"
#include "ui/result_line_edit.h"

namespace isr {

struct CalcPanel {
    QComboBox* cmbTarifa = nullptr;
    EntryLineEdit* txtBase = nullptr;
    EntryLineEdit* txtPagos = nullptr;
    QLabel* lbl13 = nullptr;  // the caption of txtPagos, enabled with it
    AccessKeyButton* cmdCalc = nullptr;
    // txtISR08(0..4), txtSUB08(0..2) and txtRet08(0), in the order of kResultBoxes.
    std::array<ResultLineEdit*, kResultBoxes.size()> resultBoxes{};
    std::array<ClickLabel*, 2> lbllink{};  // web address, "más Productos..."
};

// The period list holds the six periods and nothing is selected yet: the window's load selects
// the first one.
CalcPanel BuildCalcPanel(QWidget* frame);

// The control that shows a result box.
QLineEdit* ResultBoxEdit(const CalcPanel& panel, ResultBox box);

}  // namespace isr
