// SPDX-License-Identifier: MIT
#include "calc/withholding.h"

#include "calc/brackets.h"

namespace isr {

Withholding CalculateWithTables(std::span<const IsrRow> tariff,
                                std::span<const SubsidyRow> subsidyTable, Cents base) {
    Withholding w;
    if (const auto match = FindIsrBracket(tariff, base)) {
        const IsrRow& row = match->bracket;
        w.isr =
            IsrBreakdown{match->row, row.lowerLimit, base - row.lowerLimit, row.rate, row.fixedFee};
        // The tax is made of the figures as shown: the excess is whole cents, the product is
        // rounded to cents before the fee is added.
        w.determinedTax = PercentOf(w.isr->excess, row.rate) + row.fixedFee;
    }
    if (const auto match = FindEmploymentSubsidyBracket(subsidyTable, base)) {
        const SubsidyRow& row = match->bracket;
        w.subsidy = SubsidyBreakdown{match->row, row.lowerLimit, row.upperLimit, row.subsidy};
    }
    w.result = w.determinedTax - (w.subsidy ? w.subsidy->subsidy : Cents());
    return w;
}

Withholding Calculate(const TableSet& tables, Period period, Cents base, Cents subsidySum) {
    Withholding w =
        CalculateWithTables(tables.IsrTariff(period), tables.SubsidyTable(period), base);
    // A negative sum the size of the largest amount (a typed text may carry a sign) would take the
    // result past it: no figure rather than a wrong one.
    if (TakesSubsidySum(period)) w.result = Cents::Difference(w.determinedTax, subsidySum);
    return w;
}

}  // namespace isr
