// SPDX-License-Identifier: MIT
#include "receipts/receipt_audit.h"

#include <algorithm>
#include <variant>

#include "calc/days_paid.h"
#include "calc/extraordinary_payment.h"
#include "calc/rounded_quotient.h"
#include "calc/withholding.h"
#include "money/amount_text.h"

namespace isr {

namespace {

// The years the 2016 tariffs were in force, unchanged.
constexpr int kFirstYear = 2014;
constexpr int kLastYear = 2017;

constexpr std::string_view kSubsidyPerception = "017";
// The perceptions art. 174 RLISR lets one tax apart: aguinaldo, PTU, prima dominical, prima
// vacacional.
constexpr std::array<std::string_view, 4> kArt174Perceptions = {"002", "003", "020", "021"};
// Separation payments (prima de antigüedad, indemnizaciones, pagos por separación), taxed by
// art. 95 LISR: not this audit's.
constexpr std::array<std::string_view, 3> kSeparationPerceptions = {"022", "023", "025"};

bool In(std::span<const std::string_view> codes, std::string_view code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::optional<Period> TablePeriod(Periodicity periodicity) {
    switch (periodicity) {
        case Periodicity::kSemanal:
            return Period::kSemanal;
        case Periodicity::kCatorcenal:
            return Period::kCatorcenal;
        case Periodicity::kQuincenal:
            return Period::kQuincenal;
        case Periodicity::kMensual:
            return Period::kMensual;
        case Periodicity::kDecenal:
            return Period::kDecenal;
        default:
            return std::nullopt;
    }
}

Cents Magnitude(Cents amount) {
    return amount < Cents() ? -amount : amount;
}

// One method's result and subsidy on a base; nothing where it has no table for the receipt or
// the base lies beyond its tariff.
std::optional<AuditCandidate> Candidate(const TableSet& tables, AuditMethod method,
                                        const ReceiptFigures& figures, Cents base) {
    if (method == AuditMethod::kPeriodo) {
        const auto period = TablePeriod(figures.periodicity);
        if (!period) return std::nullopt;
        const auto w = Calculate(tables, *period, base, Cents());
        // No row holds a base of 0.00, whose result is 0.00; any other base must be in a row.
        if ((!w.isr && base != Cents()) || !w.result) return std::nullopt;
        return AuditCandidate{*w.result, w.subsidy ? w.subsidy->subsidy : Cents(), {}};
    }
    const auto days = CalculateDaysPaid(
        tables, figures.daysPaid,
        method == AuditMethod::kDias ? DaysMethod::kTabla : DaysMethod::kMensual, base);
    const auto* result = std::get_if<DaysPaidResult>(&days);
    if (result == nullptr || (!result->withholding.isr && base != Cents())) return std::nullopt;
    return AuditCandidate{result->result, result->periodSubsidy, {}};
}

// Art. 174 RLISR: the taxed part spread over the year on top of the ordinary monthly income
// (the ordinary base x 30.4 / days). Nothing beyond the monthly tariff.
std::optional<Cents> Art174Withholding(const TableSet& tables, const ReceiptFigures& figures,
                                       Cents ordinaryBase, Cents taxed) {
    const auto monthly = Cents::FromCount(RoundedProductQuotient(
        ordinaryBase.Count(), kMonthThousandths, figures.daysPaid.thousandths));
    if (!monthly) return std::nullopt;
    // The receipt gives the taxed part itself: a concept with no exemption (a prima dominical
    // of no Sundays) leaves all of it taxed.
    PaymentInput input{};
    input.paymentConcept = PaymentConcept::kPrimaDominical;
    input.ordinaryIncome = *monthly;
    input.payment = taxed;
    const auto payment = CalculateExtraordinaryPayment(tables, input);
    const auto* figured = std::get_if<ExtraordinaryPayment>(&payment);
    if (figured == nullptr) return std::nullopt;
    return figured->spread.withholding;
}

// Why the receipt is not audited; empty when it is.
std::string NotAudited(const ReceiptRow& row, const ReceiptFigures* figures,
                       NotAuditedCause& cause) {
    cause = NotAuditedCause::kUnreadable;
    if (figures == nullptr) return row.problem;
    const int year = figures->PaymentYear();
    cause = NotAuditedCause::kYear;
    if (year < kFirstYear || year > kLastYear)
        return "pagado en " + std::to_string(year) + ": las tarifas de 2016 rigen de 2014 a 2017";
    cause = NotAuditedCause::kExtraordinary;
    if (figures->kind == PayrollKind::kExtraordinaria) return "nómina extraordinaria";
    cause = NotAuditedCause::kSeparation;
    for (const auto& perception : figures->perceptions) {
        if (In(kSeparationPerceptions, perception.type))
            return "pago por separación (" + perception.type + ")";
    }
    return {};
}

}  // namespace

ReceiptAudit AuditReceipt(const TableSet& tables, const ReceiptRow& row, Cents tolerance) {
    ReceiptAudit audit;
    const ReceiptFigures* figures = row.figures ? &*row.figures : nullptr;
    audit.reason = NotAudited(row, figures, audit.cause);
    if (!audit.reason.empty()) return audit;

    // Every sum stays far within an amount: the reading bounded each figure and the file's size
    // bounds how many there are.
    for (const auto& perception : figures->perceptions) {
        if (perception.type == kSubsidyPerception) continue;
        auto& sum =
            In(kArt174Perceptions, perception.type) ? audit.art174Taxed : audit.ordinaryBase;
        sum = Cents::Sum(sum, perception.taxed).value_or(Cents::Largest());
    }
    audit.receiptNet = figures->isrWithheld - figures->subsidyDelivered;

    const bool art174 = audit.art174Taxed != Cents();
    const auto apart =
        art174 ? Art174Withholding(tables, *figures, audit.ordinaryBase, audit.art174Taxed)
               : std::nullopt;
    const auto withTaxed = Cents::Sum(audit.ordinaryBase, audit.art174Taxed);
    for (std::size_t m = 0; m < kAuditMethodCount; ++m) {
        const auto method = static_cast<AuditMethod>(m);
        auto& candidate = audit.candidates[m];
        if (!art174) {
            candidate = Candidate(tables, method, *figures, audit.ordinaryBase);
            continue;
        }
        // Both ways; the one nearer the receipt's net stands for the method, art. 96 on a tie.
        auto added = withTaxed ? Candidate(tables, method, *figures, *withTaxed) : std::nullopt;
        if (added) added->way = Art174Way::kArt96;
        auto spread = Candidate(tables, method, *figures, audit.ordinaryBase);
        if (spread && apart) {
            spread->result = spread->result + *apart;
            spread->way = Art174Way::kArt174;
        } else {
            spread.reset();
        }
        candidate = added;
        if (spread && (!added || Magnitude(audit.receiptNet - spread->result) <
                                     Magnitude(audit.receiptNet - added->result)))
            candidate = spread;
    }

    std::optional<std::size_t> nearest;
    for (std::size_t m = 0; m < kAuditMethodCount; ++m) {
        const auto& candidate = audit.candidates[m];
        if (!candidate) continue;
        const Cents gap = Magnitude(audit.receiptNet - candidate->result);
        if (gap <= tolerance) {
            audit.verdict = Verdict::kCoincide;
            audit.method = static_cast<AuditMethod>(m);
            break;
        }
        if (!nearest || gap < Magnitude(audit.receiptNet - audit.candidates[*nearest]->result))
            nearest = m;
    }
    if (audit.verdict == Verdict::kCoincide) {
        const auto& matched = *audit.candidates[static_cast<std::size_t>(*audit.method)];
        if (figures->subsidyCaused && *figures->subsidyCaused != matched.subsidy) {
            audit.reason = "SubsidioCausado " + AmountText(*figures->subsidyCaused).String() +
                           " no es el subsidio del método, " + AmountText(matched.subsidy).String();
        }
    } else if (nearest) {
        audit.verdict = Verdict::kDifiere;
        audit.difference = audit.receiptNet - audit.candidates[*nearest]->result;
    } else {
        audit.cause = NotAuditedCause::kNoTable;
        audit.reason = "ninguna tabla para la periodicidad " +
                       std::string(PeriodicityCode(figures->periodicity)) +
                       " ni para los días pagados";
    }
    return audit;
}

}  // namespace isr
