// SPDX-License-Identifier: MIT
// A label that opens something when clicked: it shows the hand cursor, and assistive technology
// announces it as a link (ui/accessible_controls.h).
#pragma once

#include "ui/click_label.h"

namespace isr {

class LinkLabel : public ClickLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(QWidget* parent);
};

}  // namespace isr
