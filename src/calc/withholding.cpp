// SPDX-License-Identifier: MIT
#include "calc/withholding.h"

#include "calc/brackets.h"

namespace isr {

Withholding WithholdingOfRows(const std::optional<BracketMatch<IsrRow>>& isrRow,
                              const std::optional<BracketMatch<SubsidyRow>>& subsidyRow,
                              Cents base) {
    Withholding w;
    if (const auto& match = isrRow) {
        const IsrRow& row = match->bracket;
        w.isr =
            IsrBreakdown{match->row, row.lowerLimit, base - row.lowerLimit, row.rate, row.fixedFee};
        // The tax is made of the figures as shown: the excess is whole cents, the product is
        // rounded to cents before the fee is added.
        w.determinedTax = PercentOf(w.isr->excess, row.rate) + row.fixedFee;
    }
    if (const auto& match = subsidyRow) {
        const SubsidyRow& row = match->bracket;
        w.subsidy = SubsidyBreakdown{match->row, row.lowerLimit, row.upperLimit, row.subsidy};
        w.credit = row.subsidy;
    }
    w.base = base;
    w.result = w.determinedTax - w.credit;
    return w;
}

Withholding Calculate(const TableSet& tables, Period period, Cents base, Cents subsidySum) {
    Withholding w =
        WithholdingOfRows(FindIsrBracket(tables.IsrTariff(period), base),
                          FindEmploymentSubsidyBracket(tables.SubsidyTable(period), base), base);
    // A negative sum the size of the largest amount (a typed text may carry a sign) would take the
    // result past it: no figure rather than a wrong one.
    if (TakesSubsidySum(period)) {
        w.credit = subsidySum;
        w.result = Cents::Difference(w.determinedTax, subsidySum);
    }
    return w;
}

}  // namespace isr
