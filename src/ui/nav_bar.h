// SPDX-License-Identifier: MIT
// The navigation bar above the panels: three buttons, their outlines and the panel outline.
#pragma once

#include <array>

#include "ui/click_box.h"
#include "ui/click_label.h"
#include "ui/controls.h"
#include "ui/shape_widget.h"

namespace isr {

struct NavBar {
    std::array<ShapeWidget*, 3> shapeBtn{};
    ShapeWidget* Shape1 = nullptr;
    std::array<ClickBox*, 3> picBtn{};
    std::array<ClickLabel*, 3> lblBtn{};
};

// Creates the bar on the window in its state at start: the calculation button selected and
// raised (365 twips high), the other two white. The outlines lie beneath everything created
// afterwards.
NavBar BuildNavBar(QWidget* window);

}  // namespace isr
