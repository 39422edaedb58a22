// SPDX-License-Identifier: MIT
#include "ui/link_label.h"

namespace isr {

LinkLabel::LinkLabel(QWidget* parent) : ClickLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

}  // namespace isr
