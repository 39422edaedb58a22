// SPDX-License-Identifier: MIT
// Words every message about an amount shares, whichever front end says it.
#pragma once

#include <string>

namespace isr {

// "fuera de rango (a lo sumo 9,999,999,999,999,999.99)": an amount too large to be held to the
// cent. A message that does not name the amount says "importe " before it.
void AppendBeyondRange(std::string& message);

}  // namespace isr
