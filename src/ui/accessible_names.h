// SPDX-License-Identifier: MIT
// Names every control that takes the focus after the caption a sighted user reads beside it, so
// that a screen reader says the same when the focus arrives.
#pragma once

#include <QWidget>
#include <array>

#include "ui/calc_panel.h"
#include "ui/nav_bar.h"
#include "ui/tariffs_panel.h"

namespace isr {

// The calculation panel's boxes are named by their captions, which become their buddies; a
// result box is also described by its section, since "Límite Inferior" names one box in each.
// The panels, the navigation buttons and the tariff listing take the navigation captions.
void NameFocusableControls(const NavBar& nav, const std::array<QWidget*, 3>& panels,
                           const CalcPanel& calc, const TariffsPanel& tariffs);

}  // namespace isr
