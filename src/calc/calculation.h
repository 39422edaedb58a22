// SPDX-License-Identifier: MIT
// The withholding calculation behind "&Calcular", over the texts of the result boxes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "calc/brackets.h"
#include "calc/result_boxes.h"

namespace isr {

// Every lookup box back to the bare text "0"; the result of the procedure is left as it is.
void clear_calc(ResultBoxes& boxes);

// Income-tax lookup: writes lower limit, excess, rate and fixed fee into txtISR08(0..3), or
// nothing when no row encloses the base read from `txtBase`.
void tarifaISR(std::span<const IsrBracket> Tabla, std::int16_t nRows, std::string_view txtBase,
               ResultBoxes& boxes);

// Employment-subsidy lookup: writes lower limit, upper limit and subsidy into txtSUB08(0..2), or
// nothing when no row encloses the base.
void tarifaSubsidio_2008(std::span<const EmploymentSubsidyBracket> Tabla, std::string_view txtBase,
                         ResultBoxes& boxes);

// The income-tax figures read back from txtISR08(0..3) as they are shown.
IsrBreakdown ShownIsrBreakdown(const ResultBoxes& boxes);

// One complete calculation for a period (its list position, 0 "Mensual" to 5 "Quincenal"), the
// text of the taxable income and the text of the year's subsidy sum (used by "Anual" only).
// The entry fields always hold numeric texts; any other text is read as zero.
void Calculate(int period, std::string_view txtBase, std::string_view txtPagos, ResultBoxes& boxes);

}  // namespace isr
