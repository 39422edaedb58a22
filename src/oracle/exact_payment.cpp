// SPDX-License-Identifier: MIT
#include "oracle/exact_payment.h"

#include <stdexcept>

#include "oracle/rational_amount.h"

namespace isr::oracle {

namespace {

// Days of minimum wage exempt (art. 93 XIV LISR); for the prima dominical one per Sunday.
int ExemptDays(std::string_view concept_, int sundays) {
    if (concept_ == "aguinaldo") return 30;
    if (concept_ == "ptu" || concept_ == "prima-vacacional") return 15;
    if (concept_ == "prima-dominical") return sundays;
    throw std::logic_error("unknown concept: " + std::string(concept_));
}

// The monthly tariff's tax of a base: the excess and its product with the rate rounded to cents,
// plus the fee; nothing for a base no row encloses (0.00).
mpq_class DeterminedTax(const ExactPeriodTables& month, const mpq_class& base) {
    for (const auto& row : month.isr) {
        if (row.lower <= base && base <= row.upper) {
            return RoundedToCents(RoundedToCents(base - row.lower) * row.rate / 100) + row.fee;
        }
    }
    return 0;
}

mpq_class Procedure(const ExactPeriodTables& month, const mpq_class& base) {
    mpq_class subsidy;
    for (const auto& row : month.subsidy) {
        if (row.lower <= base && base <= row.upper) subsidy = row.subsidy;
    }
    return DeterminedTax(month, base) - subsidy;
}

}  // namespace

std::string ShownFourDecimals(const mpq_class& value) {
    const mpq_class scaled = abs(value) * 10'000 + mpq_class(1, 2);
    mpz_class units;
    mpz_fdiv_q(units.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    // The whole part shown as cents would be, then four decimals.
    const mpz_class whole = units / 10'000;
    std::string shown = ShownCents(FromCents(whole * 100));
    shown.resize(shown.size() - 3);
    std::string decimals = mpz_class(units % 10'000).get_str();
    decimals.insert(0, 4 - decimals.size(), '0');
    return (sgn(value) < 0 && units != 0 ? "-" : "") + shown + "." + decimals;
}

std::optional<ExactPaymentFigures> ExactPayment(const ExactTables& tables,
                                                std::string_view concept_, const mpq_class& income,
                                                const mpq_class& payment, int sundays,
                                                const mpq_class& minimumWage) {
    const ExactPeriodTables& month = tables.Of(Period::kMensual);
    const mpq_class cap = minimumWage * ExemptDays(concept_, sundays);
    const mpq_class exempt = payment < cap ? payment : cap;
    const mpq_class taxable = payment - exempt;
    const mpq_class& top = month.isr.back().upper;
    if (income > top || income + taxable > top) return std::nullopt;

    const mpq_class share = RoundedToCents(taxable / 365 * mpq_class(304, 10));
    const mpq_class withShare = DeterminedTax(month, income + share);
    const mpq_class without = DeterminedTax(month, income);
    const mpq_class difference = withShare - without;
    mpq_class rate;
    mpq_class spread;
    if (share != 0) {
        rate = difference / share * 100;
        spread = RoundedToCents(taxable * difference / share);
    }
    const mpq_class procedureWith = Procedure(month, income + taxable);
    const mpq_class procedureWithout = Procedure(month, income);
    const mpq_class monthly = procedureWith - procedureWithout;
    const char* less = spread < monthly ? "art174" : monthly < spread ? "art96" : "ninguno";
    return ExactPaymentFigures{ShownCents(cap),
                               ShownCents(exempt),
                               ShownCents(taxable),
                               ShownCents(share),
                               ShownCents(income + share),
                               ShownCents(withShare),
                               ShownCents(without),
                               ShownCents(difference),
                               ShownFourDecimals(rate),
                               rate.get_str(),
                               ShownCents(spread),
                               ShownCents(income + taxable),
                               ShownCents(procedureWith),
                               ShownCents(procedureWithout),
                               ShownCents(monthly),
                               less};
}

}  // namespace isr::oracle
