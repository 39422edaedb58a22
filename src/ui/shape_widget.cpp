// SPDX-License-Identifier: MIT
#include "ui/shape_widget.h"

#include <QPainter>

namespace isr {

ShapeWidget::ShapeWidget(QWidget* parent, std::optional<QColor> border, std::optional<QColor> fill)
    : QWidget(parent), border_(border), fill_(fill) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (fill_) painter.fillRect(rect(), *fill_);
    if (border_) {
        painter.setPen(*border_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace isr
