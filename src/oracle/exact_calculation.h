// SPDX-License-Identifier: MIT
// The whole withholding procedure in exact integers: the texts every result box shows after a
// click on "&Calcular".
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace isr::oracle {

struct ExactBoxes {
    std::array<std::string, 5> txtISR08;
    std::array<std::string, 3> txtSUB08;
    std::array<std::string, 1> txtRet08;
};

// One calculation for a period (its list position) with the base and the year's subsidy sum in
// cents. Both entry fields hold whole cents by the time of a click, because leaving a field
// reformats it to two decimals. The sum counts for "Anual" only.
ExactBoxes ExactCalculate(int period, std::int64_t baseCents, std::int64_t subsidySumCents);

}  // namespace isr::oracle
