// SPDX-License-Identifier: MIT
// What the program sets up once, before its window: identity, look, fonts and pictures.
#pragma once

#include <QApplication>

namespace isr {

inline constexpr const char* kDesktopFileName = "org.example.isr2016";

// The Fusion style with its own palette, so the design's colours read the same on every desktop
// theme; the substitute fonts; the application's name, version, desktop id and icon; the
// accessible interfaces of the window's own controls.
void SetUpApplication(QApplication& app);

// Puts a top-level window in the middle of its screen's available area.
void CentreOnScreen(QWidget& window);

}  // namespace isr
