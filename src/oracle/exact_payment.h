// SPDX-License-Identifier: MIT
// The withholding on an extraordinary payment by art. 174 of the Reglamento and by art. 96, in
// exact rationals from the tables' decimal texts: every figure as the program shows it.
#pragma once

#include <gmpxx.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "oracle/exact_tables.h"

namespace isr::oracle {

// Exempt cap, exempt part, taxable part; M, O + M, T1, T0, D, the rate with four decimals, the
// rate as an exact percentage ("209600/11697"), the art. 174 withholding; O + G, its 2016
// procedure, that of O, the art. 96 withholding; the method that withholds less ("art174",
// "art96" or "ninguno").
using ExactPaymentFigures = std::array<std::string, 16>;

// The figures for a concept named as the command line names it ("aguinaldo", "ptu",
// "prima-vacacional", "prima-dominical"), an ordinary monthly income, a payment, the Sundays (for
// the prima dominical) and a daily minimum wage. Nothing when the income, or the income plus the
// taxable part, is above the monthly tariff's top row. Throws std::logic_error for an unknown
// concept.
std::optional<ExactPaymentFigures> ExactPayment(const ExactTables& tables,
                                                std::string_view concept_, const mpq_class& income,
                                                const mpq_class& payment, int sundays,
                                                const mpq_class& minimumWage);

// "#,0.0000" of a value rounded to ten-thousandths, halves away from zero.
std::string ShownFourDecimals(const mpq_class& value);

}  // namespace isr::oracle
