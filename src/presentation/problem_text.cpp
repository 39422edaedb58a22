// SPDX-License-Identifier: MIT
#include "presentation/problem_text.h"

#include "money/amount_text.h"

namespace isr {

void AppendBeyondRange(std::string& message) {
    message += "fuera de rango (a lo sumo ";
    message += AmountText(Cents::Largest()).View();
    message += ')';
}

}  // namespace isr
