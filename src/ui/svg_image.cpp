// SPDX-License-Identifier: MIT
#include "ui/svg_image.h"

#include <QPainter>

namespace isr {

SvgImage::SvgImage(QWidget* parent, const QString& resource)
    : QWidget(parent), resource_(resource) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSvgRenderer& SvgImage::Renderer() const {
    if (!renderer_) renderer_ = std::make_unique<QSvgRenderer>(resource_);
    return *renderer_;
}

void SvgImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Renderer().render(&painter, rect());
}

}  // namespace isr
