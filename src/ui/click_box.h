// SPDX-License-Identifier: MIT
// A borderless box filled with its background colour that reports clicks: a navigation button.
// It takes the focus by the keyboard only, so a click on it leaves the focus where it was; with
// the focus on it, Space or Enter clicks it, so that the panels can be reached without a mouse.
#pragma once

#include <QWidget>

namespace isr {

class ClickBox : public QWidget {
    Q_OBJECT

  public:
    explicit ClickBox(QWidget* parent);

    void SetBackground(const QColor& colour);
    QColor Background() const;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace isr
