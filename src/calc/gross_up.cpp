// SPDX-License-Identifier: MIT
#include "calc/gross_up.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

#include "calc/brackets.h"
#include "calc/row_stretches.h"

namespace isr {

namespace {

// Bases over which neither the ISR row nor the subsidy row changes. There the net is
//   base - (PercentOf(base - lowerLimit, rate) + fixedFee - credit),
// and a cent more of base adds 0 or 1 cent of tax (every rate is below 100 %): the net never
// falls inside a stretch, and passes through every cent between the nets of its ends.
struct Stretch {
    Cents first;
    Cents last;
    Cents lowerLimit;  // of the ISR row: the excess is measured from it
    Rate rate;
    Cents fixedFee;
    Cents credit;  // the subsidy of the row, or for "Anual" the subsidy sum

    // In cents, as a count: with a subsidy sum near the largest amount, a net passes it.
    std::int64_t NetAt(Cents base) const {
        return base.Count() - (PercentOf(base - lowerLimit, rate) + fixedFee - credit).Count();
    }
};

// Calls `visit` on each stretch in base order until it returns true: first the base 0.00, which
// matches no row, then from 0.01 to the tariff's top row. The tables chain from 0.01 to their
// sentinels (tariffs/table_checks.h), so every one of those bases lies in one row of the tariff
// and, up to the top of the subsidy table, in one of its rows.
template <class Visit>
void ForEachStretch(const TableSet& tables, Period period, Cents subsidySum, Visit visit) {
    const Cents creditWithoutRow = TakesSubsidySum(period) ? subsidySum : Cents();
    const Cents top = TariffTop(tables.IsrTariff(period));
    ForEachRowStretch(tables, period, Cents(), top, [&](const StretchRows& rows) {
        Stretch stretch{rows.bases.first, rows.bases.last,
                        Cents(),          Rate(),
                        Cents(),          rows.subsidy ? rows.subsidy->subsidy : creditWithoutRow};
        if (rows.isr) {
            stretch.lowerLimit = rows.isr->lowerLimit;
            stretch.rate = rows.isr->rate;
            stretch.fixedFee = rows.isr->fixedFee;
        }
        return visit(stretch);
    });
}

// The smallest base of `stretch` that nets `target`, when its first base nets less and its last
// base at least as much (so some base in between nets the target itself). With the excess e and
// k = target - (lowerLimit - fixedFee + credit), the base nets the target or more when
//   e - round(e x rate / 10,000) >= k        (the rate in hundredths of a percent)
// and rounding half up is floor(x + 1/2), so this is floor((e x rate + 5,000) / 10,000) <= e - k,
// which holds exactly when (e x rate + 5,000) / 10,000 < e - k + 1, that is
//   e x (10,000 - rate) > 10,000 x (k - 1) + 5,000.
// k is at least 1, as the first base nets below the target and no excess nets below zero.
Cents FirstBaseReaching(const Stretch& stretch, Cents target) {
    constexpr std::int64_t kPerCent = 10'000;
    const std::int64_t k =
        target.Count() - ((stretch.lowerLimit - stretch.fixedFee).Count() + stretch.credit.Count());
    assert(k >= 1);
    const std::int64_t excess =
        (kPerCent * (k - 1) + kPerCent / 2) / (kPerCent - stretch.rate.Hundredths()) + 1;
    const Cents base = stretch.lowerLimit + *Cents::FromCount(excess);
    assert(stretch.first < base && base <= stretch.last && stretch.NetAt(base) == target.Count());
    return base;
}

}  // namespace

std::optional<GrossUpResult> GrossUp(const TableSet& tables, Period period, Cents targetNet,
                                     Cents subsidySum) {
    std::optional<Cents> base;
    ForEachStretch(tables, period, subsidySum, [&](const Stretch& stretch) {
        if (stretch.NetAt(stretch.last) < targetNet.Count()) return false;
        base = stretch.NetAt(stretch.first) >= targetNet.Count()
                   ? stretch.first
                   : FirstBaseReaching(stretch, targetNet);
        return true;
    });
    if (!base) return std::nullopt;
    GrossUpResult found{*base, Calculate(tables, period, *base, subsidySum), Cents(), false};
    // The first base reaching the target nets it or, past a step of the subsidy, a little more
    // (an amount, as the target is one).
    found.net = *found.withholding.Net();
    found.exact = found.net == targetNet;
    return found;
}

Cents HighestNet(const TableSet& tables, Period period, Cents subsidySum) {
    // Below every net: the lowest is that of the base 0.00, nothing or the subsidy sum.
    std::int64_t highest = -Cents::kLargestCount;
    ForEachStretch(tables, period, subsidySum, [&](const Stretch& stretch) {
        highest = std::max(highest, stretch.NetAt(stretch.last));
        return false;
    });
    // Beyond the largest amount, every target has its gross-up.
    return *Cents::FromCount(std::min(highest, Cents::kLargestCount));
}

}  // namespace isr
