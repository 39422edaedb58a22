// SPDX-License-Identifier: MIT
// The window's two typefaces: Tahoma and Courier New where installed, else free substitutes.
#pragma once

#include <QFont>

namespace isr {

inline constexpr double kWindowPointSize = 8.25;

// Makes the free Tahoma clone of Debian's fonts-wine known to Qt when no Tahoma is installed
// (the package does not put it on fontconfig's path). Call once, after the application exists.
void RegisterSubstituteFonts();

// Tahoma 8.25 pt regular, drawn without antialiasing and fully hinted, as the desktop the layout
// was measured on drew it: the clone then matches Tahoma's widths and its bold reads as bold.
QFont WindowFont();

// Makes WindowFont the application's default font, so that building the window loads no other:
// a line edit lays out its empty text in the default font before it takes its own. Menus, which
// are windows of their own (a text box's context menu), keep the desktop's font.
void MakeWindowFontTheDefault();

// Courier New 8.25 pt, or the metric-compatible Liberation Mono; letter spacing pinned, so the
// columns of the tariff listing keep their place whatever the window's font does.
QFont ListingFont();

}  // namespace isr
