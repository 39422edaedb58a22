// SPDX-License-Identifier: MIT
#include "ui/click_label.h"

#include <QMouseEvent>

namespace isr {

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    // Accepted, so that the release comes to this label as well.
    if (event->button() == Qt::LeftButton) event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace isr
