// SPDX-License-Identifier: MIT
// A picture from the program's resources, drawn from its SVG at the widget's size so that it
// stays sharp at any screen scale. Clicks pass through to the container, as on a drawn image.
#pragma once

#include <QString>
#include <QSvgRenderer>
#include <QWidget>

namespace isr {

class SvgImage : public QWidget {
  public:
    SvgImage(QWidget* parent, const QString& resource);

    QString Resource() const { return resource_; }
    bool IsLoaded() const { return renderer_.isValid(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString resource_;
    QSvgRenderer renderer_;
};

}  // namespace isr
