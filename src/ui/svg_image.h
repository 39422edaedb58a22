// SPDX-License-Identifier: MIT
// A picture from the program's resources, drawn from its SVG at the widget's size so that it
// stays sharp at any screen scale. Clicks pass through to the container, as on a drawn image.
#pragma once

#include <QString>
#include <QSvgRenderer>
#include <QWidget>
#include <memory>

namespace isr {

class SvgImage : public QWidget {
  public:
    SvgImage(QWidget* parent, const QString& resource);

    QString Resource() const { return resource_; }
    bool IsLoaded() const { return Renderer().isValid(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSvgRenderer& Renderer() const;

    QString resource_;
    // Read at the first paint: seven of the eight pictures lie on the panels hidden at start,
    // and parsing them all showed in the profile of the window's start-up.
    mutable std::unique_ptr<QSvgRenderer> renderer_;
};

}  // namespace isr
