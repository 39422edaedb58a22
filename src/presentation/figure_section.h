// SPDX-License-Identifier: MIT
// A group of figures shown together: the heading the text output and the page put over it, and
// the JSON object that holds its keys. A table of figures points each figure at its section, so
// a front end starts a new group when the pointer changes, never by comparing names.
#pragma once

#include <string_view>

namespace isr {

struct FigureSection {
    std::string_view heading;    // empty: the figures follow the blank line without one
    std::string_view jsonGroup;  // empty: the keys sit at the JSON object's top level
};

}  // namespace isr
