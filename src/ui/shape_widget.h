// SPDX-License-Identifier: MIT
// A rectangle or a line painted on its container: no focus, and clicks pass through to the
// container beneath, as they do on a drawn shape.
#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace isr {

class ShapeWidget : public QWidget {
  public:
    // A one-pixel border in `border`, filled with `fill` when given. A line is a shape one pixel
    // high with a fill and no border.
    ShapeWidget(QWidget* parent, std::optional<QColor> border, std::optional<QColor> fill);

    std::optional<QColor> Border() const { return border_; }
    std::optional<QColor> Fill() const { return fill_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<QColor> border_;
    std::optional<QColor> fill_;
};

}  // namespace isr
