// SPDX-License-Identifier: MIT
// An extraordinary payment's figures as the command line shows them: captions in the text
// output, keys in --json, from the table of presentation/payment_figures.h.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "calc/extraordinary_payment.h"
#include "cli/payment_arguments.h"
#include "presentation/payment_figures.h"

namespace isr::cli {

// Caption and value per line, aligned, in groups, and in words which method withholds less.
void WritePaymentText(const PaymentCalculation& calc, std::ostream& out);

// One JSON object on one line; every value is a string as the text output shows it.
void WritePaymentJson(const PaymentCalculation& calc, std::ostream& out);

}  // namespace isr::cli
