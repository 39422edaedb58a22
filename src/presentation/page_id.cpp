// SPDX-License-Identifier: MIT
#include "presentation/page_id.h"

namespace isr {

std::string PageId(std::string_view control) {
    std::string id(control);
    const auto open = id.find('(');
    if (open == std::string::npos || id.back() != ')') return id;
    id.pop_back();
    id[open] = '-';
    return id;
}

}  // namespace isr
