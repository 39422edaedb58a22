// SPDX-License-Identifier: MIT
#include "oracle/exact_days_paid.h"

#include <stdexcept>

#include "oracle/rational_amount.h"

namespace isr::oracle {

namespace {

const mpq_class kCent(1, 100);
const mpq_class kMonthDays(152, 5);  // 30.4

struct PeriodDays {
    Period period;
    int days;
};
constexpr PeriodDays kPeriodDays[] = {{Period::kSemanal, 7},
                                      {Period::kDecenal, 10},
                                      {Period::kCatorcenal, 14},
                                      {Period::kQuincenal, 15}};

template <class Row, class Scale>
std::vector<Row> Times(const std::vector<Row>& daily, int days, Scale scale) {
    std::vector<Row> rows = daily;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) rows[r].lower = rows[r - 1].upper + kCent;
        if (r + 1 < rows.size()) rows[r].upper = daily[r].upper * days;
        scale(rows[r]);
    }
    return rows;
}

}  // namespace

std::optional<ExactPeriodTables> ExactTablesForDays(const ExactTables& tables, int days) {
    if (!tables.Daily()) {
        for (const auto& p : kPeriodDays) {
            if (p.days == days) return tables.Of(p.period);
        }
        return std::nullopt;
    }
    if (days < 1 || days > 31) return std::nullopt;
    ExactPeriodTables n;
    n.isr = Times(tables.Daily()->isr, days, [&](ExactIsrRow& row) {
        row.fee *= days;
        row.lowerShown = ShownCents(row.lower);
        row.feeShown = ShownCents(row.fee);
    });
    n.subsidy = Times(tables.Daily()->subsidy, days, [&](ExactSubsidyRow& row) {
        row.subsidy *= days;
        row.lowerShown = ShownCents(row.lower);
        row.upperShown = ShownCents(row.upper);
        row.subsidyShown = ShownCents(row.subsidy);
    });
    return n;
}

std::optional<ExactDaysFigures> ExactDaysPaid(const ExactTables& tables, bool mensual,
                                              const mpq_class& days, const mpq_class& base) {
    ExactDaysFigures figures;
    ExactOutcome outcome;
    mpq_class tax;
    mpq_class subsidy;
    if (mensual) {
        const mpq_class monthlyBase = RoundedToCents(base * kMonthDays / days);
        outcome = ExactCalculateOn(tables.Of(Period::kMensual), monthlyBase);
        figures[9] = ShownCents(monthlyBase);
        tax = RoundedToCents(outcome.tax * days / kMonthDays);
        subsidy = RoundedToCents(outcome.subsidy * days / kMonthDays);
    } else {
        if (days.get_den() != 1 || !days.get_num().fits_sint_p()) {
            throw std::logic_error("a table of days takes whole days");
        }
        const auto n = ExactTablesForDays(tables, static_cast<int>(days.get_num().get_si()));
        if (!n) return std::nullopt;
        outcome = ExactCalculateOn(*n, base);
        tax = outcome.tax;
        subsidy = outcome.subsidy;
    }
    for (std::size_t i = 0; i < outcome.boxes.size(); ++i) figures[i] = outcome.boxes[i];
    figures[10] = ShownCents(tax);
    figures[11] = ShownCents(subsidy);
    figures[12] = ShownCents(tax - subsidy);
    return figures;
}

}  // namespace isr::oracle
