// SPDX-License-Identifier: MIT
// Where every control of the window sits: one table, in twips (1/1440 inch), relative to the
// control's container, as the window was designed. Pixels are twips / 15 (96 dots per inch).
#pragma once

#include <span>
#include <string_view>

namespace isr {

inline constexpr int kTwipsPerPixel = 15;

struct ControlGeometry {
    std::string_view name;  // object name, with the index of an array element: "txtISR08(3)"
    int left;
    int top;
    int width;
    int height;  // 0 for a line, which is drawn one pixel high
};

std::span<const ControlGeometry> AllControlGeometry();

// The table row of a control; throws std::out_of_range for a name it does not hold.
const ControlGeometry& GeometryOf(std::string_view name);

// Rounded to the nearest pixel: 6860 twips are 457 pixels.
int TwipsToPixels(int twips);

}  // namespace isr
