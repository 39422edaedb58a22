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
// The panels and the navigation buttons take the navigation captions.
void NameFocusableControls(const NavBar& nav, const std::array<QWidget*, 3>& panels,
                           const CalcPanel& calc);

// The tariff listing is named as its panel.
void NameTariffListing(const NavBar& nav, const TariffsPanel& tariffs);

}  // namespace isr
