// SPDX-License-Identifier: MIT
#include "oracle/exact_calculation.h"

#include <algorithm>

#include "oracle/rational_amount.h"

namespace isr::oracle {

namespace {

// The row enclosing the base, found by bisection over the upper limits (the rows are in order
// and do not overlap); nullptr when none does.
template <class Row>
const Row* Enclosing(const std::vector<Row>& rows, const mpq_class& base) {
    const auto it =
        std::lower_bound(rows.begin(), rows.end(), base,
                         [](const Row& row, const mpq_class& b) { return row.upper < b; });
    if (it == rows.end() || base < it->lower) return nullptr;
    return &*it;
}

// With a subsidy sum, the result credits it in place of the subsidy of a row.
ExactOutcome Calculated(const ExactPeriodTables& of, const mpq_class& base,
                        const mpq_class* subsidySum) {
    ExactBoxes boxes{"0", "0", "0", "0", "0", "0", "0", "0", "0"};

    mpq_class tax;
    if (const auto* row = Enclosing(of.isr, base)) {
        const mpq_class excess = base - row->lower;
        boxes[0] = row->lowerShown;
        boxes[1] = ShownCents(RoundedToCents(excess));
        boxes[2] = row->rateShown;
        boxes[3] = row->feeShown;
        // The tax is made of the figures as shown: the excess and the product rounded to cents.
        tax = RoundedToCents(RoundedToCents(RoundedToCents(excess) * row->rate / 100) + row->fee);
    }
    boxes[4] = ShownCents(tax);

    mpq_class subsidy;
    if (const auto* row = Enclosing(of.subsidy, base)) {
        boxes[5] = row->lowerShown;
        boxes[6] = row->upperShown;
        boxes[7] = row->subsidyShown;
        subsidy = row->subsidy;
    }
    boxes[8] = ShownCents(RoundedToCents(tax - (subsidySum != nullptr ? *subsidySum : subsidy)));
    return {boxes, tax, subsidy};
}

}  // namespace

ExactBoxes ExactCalculate(const ExactTables& tables, Period period, const mpq_class& base,
                          const mpq_class& subsidySum) {
    return Calculated(tables.Of(period), base, TakesSubsidySum(period) ? &subsidySum : nullptr)
        .boxes;
}

ExactOutcome ExactCalculateOn(const ExactPeriodTables& tables, const mpq_class& base) {
    return Calculated(tables, base, nullptr);
}

}  // namespace isr::oracle
