// SPDX-License-Identifier: MIT
// The tariffs panel, frame(1): the listing of the tariffs in force and the maker's footer.
#pragma once

#include <QPlainTextEdit>

#include "tariffs/table_set.h"
#include "ui/click_label.h"
#include "ui/controls.h"

namespace isr {

struct TariffsPanel {
    QPlainTextEdit* Text1 = nullptr;
    ClickLabel* lbllink3 = nullptr;  // web address
};

// The listing shows `tables`, the set the window calculates with.
TariffsPanel BuildTariffsPanel(QWidget* frame, const TableSet& tables);

}  // namespace isr
