// SPDX-License-Identifier: MIT
#include "oracle/exact_tables.h"

#include "oracle/rational_amount.h"

namespace isr::oracle {

namespace {

ExactIsrRow ReadIsrRow(const IsrRowText& row) {
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
    return exact;
}

ExactSubsidyRow ReadSubsidyRow(const SubsidyRowText& row) {
    ExactSubsidyRow exact{PlainDecimal(row.lowerLimit),
                          PlainDecimal(row.upperLimit),
                          PlainDecimal(row.subsidy),
                          {},
                          {},
                          {}};
    exact.lowerShown = ShownCents(exact.lower);
    exact.upperShown = ShownCents(exact.upper);
    exact.subsidyShown = ShownCents(exact.subsidy);
    return exact;
}

}  // namespace

ExactTables::ExactTables(const TableSetText& text) {
    if (text.daily != nullptr) {
        daily_.emplace();
        for (const IsrRowText& row : text.daily->isr) daily_->isr.push_back(ReadIsrRow(row));
        for (const SubsidyRowText& row : text.daily->subsidy) {
            daily_->subsidy.push_back(ReadSubsidyRow(row));
        }
    }
    for (const Period period : kPeriods) {
        const auto p = PeriodIndex(period);
        for (const IsrRowText& row : text.isr[p]) periods_[p].isr.push_back(ReadIsrRow(row));
        if (!HasSubsidyTable(period)) continue;
        for (const SubsidyRowText& row : text.subsidy[p]) {
            periods_[p].subsidy.push_back(ReadSubsidyRow(row));
        }
    }
}

}  // namespace isr::oracle
