// SPDX-License-Identifier: MIT
#include "oracle/exact_tables.h"

#include "oracle/rational_amount.h"

namespace isr::oracle {

ExactTables::ExactTables(const TableSetText& text) {
    for (const Period period : kPeriods) {
        const auto p = PeriodIndex(period);
        for (const IsrRowText& row : text.isr[p]) {
            ExactIsrRow exact{PlainDecimal(row.lowerLimit),
                              PlainDecimal(row.upperLimit),
                              PlainDecimal(row.fixedFee),
                              PlainDecimal(row.rate),
                              {},
                              {},
                              {}};
            exact.lowerShown = ShownCents(exact.lower);
            exact.rateShown = ShownCents(exact.rate);
            exact.feeShown = ShownCents(exact.fee);
            periods_[p].isr.push_back(std::move(exact));
        }
        if (!HasSubsidyTable(period)) continue;
        for (const SubsidyRowText& row : text.subsidy[p]) {
            ExactSubsidyRow exact{PlainDecimal(row.lowerLimit),
                                  PlainDecimal(row.upperLimit),
                                  PlainDecimal(row.subsidy),
                                  {},
                                  {},
                                  {}};
            exact.lowerShown = ShownCents(exact.lower);
            exact.upperShown = ShownCents(exact.upper);
            exact.subsidyShown = ShownCents(exact.subsidy);
            periods_[p].subsidy.push_back(std::move(exact));
        }
    }
}

}  // namespace isr::oracle
