// SPDX-License-Identifier: MIT
// The order in which Tab moves the keyboard focus through the window.
#pragma once

#include <QWidget>

namespace isr {

// Chains the window's focusable controls in ascending tab index. Qt skips hidden and disabled
// ones as the user tabs, as the design expects. Controls of a panel not built yet are left out;
// chaining again once it is built puts them in their place.
void SetTabOrder(QWidget* window);

}  // namespace isr
