// SPDX-License-Identifier: MIT
// The page names its controls after the window's: an element of a control array, "txtISR08(3)",
// is "txtISR08-3" there (parentheses do not suit an id a selector names).
#pragma once

#include <string>
#include <string_view>

namespace isr {

std::string PageId(std::string_view control);

}  // namespace isr
