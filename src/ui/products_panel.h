// SPDX-License-Identifier: MIT
// The products panel, frame(2): the maker's logo, contact data, five products and ten services.
// Nothing on it takes the keyboard focus.
#pragma once

#include <array>

#include "ui/click_label.h"
#include "ui/controls.h"

namespace isr {

struct ProductsPanel {
    ClickLabel* lbllink2 = nullptr;            // web address
    std::array<ClickLabel*, 6> lblProdlink{};  // products 0 to 4, then the support address
};

ProductsPanel BuildProductsPanel(QWidget* frame);

}  // namespace isr
