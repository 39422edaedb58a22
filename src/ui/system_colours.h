// SPDX-License-Identifier: MIT
// The system colours the window is designed in, taken from the application's palette.
#pragma once

#include <QColor>

namespace isr {

QColor ButtonFace();
QColor ButtonShadow();
QColor ButtonHighlight();

}  // namespace isr
