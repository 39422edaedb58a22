// SPDX-License-Identifier: MIT
#include "ui/svg_image.h"

#include <QPainter>

namespace isr {

SvgImage::SvgImage(QWidget* parent, const QString& resource)
    : QWidget(parent), resource_(resource), renderer_(resource) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SvgImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    renderer_.render(&painter, rect());
}

}  // namespace isr
