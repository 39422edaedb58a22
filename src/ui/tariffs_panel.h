// SPDX-License-Identifier: MIT
// The tariffs panel, frame(1): the listing of the tariffs in force and the maker's footer.
#pragma once

#include <QPlainTextEdit>

#include "ui/click_label.h"
#include "ui/controls.h"

namespace isr {

struct TariffsPanel {
    QPlainTextEdit* Text1 = nullptr;
    ClickLabel* lbllink3 = nullptr;  // web address
};

TariffsPanel BuildTariffsPanel(QWidget* frame);

}  // namespace isr
