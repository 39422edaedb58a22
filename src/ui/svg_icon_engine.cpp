// SPDX-License-Identifier: MIT
#include "ui/svg_icon_engine.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace isr {

SvgIconEngine::SvgIconEngine(QString resource) : resource_(std::move(resource)) {}

QSvgRenderer& SvgIconEngine::Renderer() {
    if (!renderer_) renderer_ = std::make_shared<QSvgRenderer>(resource_);
    return *renderer_;
}

// The drawing's proportions kept within `size`, on a transparent ground.
QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
    QSize fitted = Renderer().defaultSize();
    fitted.scale(size, Qt::KeepAspectRatio);
    QImage image(fitted, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Renderer().render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
    painter->drawPixmap(rect,
                        pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
}

QIconEngine* SvgIconEngine::clone() const {
    return new SvgIconEngine(*this);
}

QString SvgIconEngine::key() const {
    return QStringLiteral("isr::SvgIconEngine");
}

}  // namespace isr
