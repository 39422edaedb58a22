// SPDX-License-Identifier: MIT
// The whole withholding procedure in exact rationals: the texts every result box shows after a
// click on "&Calcular".
#pragma once

#include <gmpxx.h>

#include <array>
#include <string>

#include "oracle/exact_tables.h"

namespace isr::oracle {

// Límite Inferior, Excedente, Porcentaje, Cuota Fija, Impuesto Determinado; subsidy Límite
// Inferior, Límite Superior, Subsidio; Procedimiento 2016: the window's order.
using ExactBoxes = std::array<std::string, 9>;

// One calculation for a base and a year's subsidy sum (used by "Anual" only). A box whose lookup
// finds no row shows the bare "0" it is cleared to.
ExactBoxes ExactCalculate(const ExactTables& tables, Period period, const mpq_class& base,
                          const mpq_class& subsidySum);

// One calculation on a tariff and subsidy table: the result credits the subsidy of the base's row.
// With the determined tax and the subsidy credited (zero without a row) as values.
struct ExactOutcome {
    ExactBoxes boxes;
    mpq_class tax;
    mpq_class subsidy;
};
ExactOutcome ExactCalculateOn(const ExactPeriodTables& tables, const mpq_class& base);

}  // namespace isr::oracle
