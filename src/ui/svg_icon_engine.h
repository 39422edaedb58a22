// SPDX-License-Identifier: MIT
// An icon drawn from an SVG of the program's resources at whatever size it is asked for, as Qt's
// SVG icon plugin draws it, without loading the plugin: that alone (finding it, loading it and
// parsing the drawing twice to check it) showed in the profile of the window's start-up. The SVG
// is read when a first picture of the icon is wanted.
#pragma once

#include <QIconEngine>
#include <QString>
#include <QSvgRenderer>
#include <memory>

namespace isr {

class SvgIconEngine : public QIconEngine {
  public:
    explicit SvgIconEngine(QString resource);

    // Every mode and state look the same: the icon is the window's, always shown as it is.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

  private:
    QSvgRenderer& Renderer();

    QString resource_;
    std::shared_ptr<QSvgRenderer> renderer_;  // shared by clones
};

}  // namespace isr
