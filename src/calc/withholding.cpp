// SPDX-License-Identifier: MIT
#include "calc/withholding.h"

#include "calc/brackets.h"

namespace isr {

Withholding Calculate(const TableSet& tables, Period period, Cents base, Cents subsidySum) {
    Withholding w;
    if (const auto match = FindIsrBracket(tables.IsrTariff(period), base)) {
        const IsrRow& row = match->bracket;
        w.isr =
            IsrBreakdown{match->row, row.lowerLimit, base - row.lowerLimit, row.rate, row.fixedFee};
        // The tax is made of the figures as shown: the excess is whole cents, the product is
        // rounded to cents before the fee is added.
        w.determinedTax = PercentOf(w.isr->excess, row.rate) + row.fixedFee;
    }
    if (const auto match = FindEmploymentSubsidyBracket(tables.SubsidyTable(period), base)) {
        const SubsidyRow& row = match->bracket;
        w.subsidy = SubsidyBreakdown{match->row, row.lowerLimit, row.upperLimit, row.subsidy};
    }
    const Cents subtracted =
        TakesSubsidySum(period) ? subsidySum : (w.subsidy ? w.subsidy->subsidy : Cents());
    // A negative sum the size of the largest amount (a typed text may carry a sign) would take the
    // result past it: no figure rather than a wrong one.
    w.result = Cents::Difference(w.determinedTax, subtracted);
    return w;
}

}  // namespace isr
