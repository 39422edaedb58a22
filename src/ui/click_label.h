// SPDX-License-Identifier: MIT
// A label that reports a click: a press and a release of the left button over it.
#pragma once

#include <QLabel>

namespace isr {

class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace isr
