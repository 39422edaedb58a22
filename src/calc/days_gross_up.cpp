// SPDX-License-Identifier: MIT
#include "calc/days_gross_up.h"

#include <algorithm>
#include <span>

#include "tariffs/days_tables.h"

namespace isr {

namespace {

// The upper limit of the row holding `amount`, of a table whose top row ends at its sentinel.
template <class Row>
Cents UpperLimitAt(std::span<const Row> rows, Cents amount) {
    for (const Row& row : rows) {
        if (amount <= row.upperLimit) return row.upperLimit;
    }
    return rows.back().upperLimit;
}

// Where the rows of a base change: the last base whose tariff row and subsidy row are those of
// `base`, and the last base the tables cover at all.
class Stretches {
  public:
    Stretches(const TableSet& tables, DaysPaid days, DaysMethod method)
        : method_(method), days_(days) {
        if (method == DaysMethod::kTabla) {
            const auto own = *TablesForDays(tables, days.thousandths / kThousandthsPerDay);
            isr_ = own.isr;
            subsidy_ = own.subsidy;
        } else {
            const auto isr = tables.IsrTariff(Period::kMensual);
            const auto subsidy = tables.SubsidyTable(Period::kMensual);
            std::copy(isr.begin(), isr.end(), isr_.begin());
            std::copy(subsidy.begin(), subsidy.end(), subsidy_.begin());
        }
    }

    // `covered` is the base (tabla) or the monthly base (mensual) of `base`.
    Cents LastOfStretch(Cents covered) const {
        // A monthly base of 0.00 (a base of a few cents over many days) matches no row: it is a
        // stretch of its own.
        const Cents end = covered == Cents()
                              ? Cents()
                              : std::min(UpperLimitAt<IsrRow>(isr_, covered),
                                         UpperLimitAt<SubsidyRow>(subsidy_, covered));
        if (method_ == DaysMethod::kTabla) return end;
        // The monthly base round(b x 30,400 / n) is at most `end` while b x 60,800 is below
        // (2 x end + 1) x n: the last such b. Both products stay within 64 bits.
        const std::int64_t bound = (2 * end.Count() + 1) * days_.thousandths;
        constexpr std::int64_t kTwiceMonth = 2 * kMonthThousandths;
        return *Cents::FromCount((bound + kTwiceMonth - 1) / kTwiceMonth - 1);
    }

    Cents Top() const { return isr_.back().upperLimit; }

  private:
    DaysMethod method_;
    DaysPaid days_;
    Table<IsrRow> isr_{};
    Table<SubsidyRow> subsidy_{};
};

}  // namespace

// Within a stretch of bases that share their tariff row and their subsidy row, the result (tax
// minus subsidy) never falls as the base grows: the row's tax grows with its excess, its subsidy
// is fixed, and the mensual method's monthly base and its bringing back multiply by positive
// factors that rounding keeps in order. (From one row to the next it may fall: the N-day fees
// are the daily ones, rounded, times N.) So a base b below target + result(b) has no base of its
// stretch up to target + result(b) that reaches the target either: the search jumps there, or
// to the next stretch, and stops at the first base at or past its own mark. The base 0.00
// matches no row and nets 0.00: it is the answer only for a target of 0.00 or less.
std::variant<std::optional<DaysGrossUpResult>, DaysProblem> GrossUpDays(const TableSet& tables,
                                                                        DaysPaid days,
                                                                        DaysMethod method,
                                                                        Cents targetNet) {
    Cents base = targetNet > Cents() ? kOneCent : Cents();
    std::optional<Stretches> stretches;
    for (;;) {
        const auto outcome = CalculateDaysPaid(tables, days, method, base);
        if (const auto* problem = std::get_if<DaysProblem>(&outcome)) {
            if (*problem == DaysProblem::kBeyondAmount) return std::nullopt;
            return *problem;
        }
        const auto& calculation = std::get<DaysPaidResult>(outcome);
        const auto mark = Cents::Sum(targetNet, calculation.result);
        if (!mark) return std::nullopt;
        if (base >= *mark) {
            const Cents net = base - calculation.result;
            return DaysGrossUpResult{base, calculation, net, net == targetNet};
        }
        if (!stretches) stretches.emplace(tables, days, method);
        const Cents covered = calculation.monthlyBase ? *calculation.monthlyBase : base;
        if (covered >= stretches->Top()) return std::nullopt;
        const Cents last = stretches->LastOfStretch(covered);
        base = *mark <= last ? *mark : last + kOneCent;
    }
}

}  // namespace isr
