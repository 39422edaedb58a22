// SPDX-License-Identifier: MIT
#include "verify/payment_sweep.h"

#include <algorithm>
#include <array>

#include "money/amount_text.h"
#include "oracle/exact_payment.h"
#include "oracle/rational_amount.h"
#include "presentation/payment_figures.h"

namespace isr::verify {

namespace {

constexpr std::array<std::string_view, 16> kFigureNames = {"tope_exento",
                                                           "exento",
                                                           "gravado",
                                                           "mensualizado",
                                                           "base_art174",
                                                           "isr_con_pago",
                                                           "isr_sin_pago",
                                                           "diferencia",
                                                           "tasa",
                                                           "tasa_exacta",
                                                           "retencion_art174",
                                                           "base_art96",
                                                           "procedimiento_con_pago",
                                                           "procedimiento_sin_pago",
                                                           "retencion_art96",
                                                           "menor_retencion"};

// Besides 2016's: the minimum wages of late 2015 and of 2017.
constexpr std::array<std::string_view, 2> kOtherMinimumWages = {"70.10", "80.04"};

// What stands in the first figure when the payment takes the income beyond the tariff.
constexpr std::string_view kRefused = "refused: payment beyond the tariff";

// Payments cent by cent from 0.01, and around each cap from 10.00 below to 20.00 above it.
constexpr std::int64_t kDenseFrom = 1;
constexpr std::int64_t kDenseTo = 2'000;
constexpr std::int64_t kBelowCap = 1'000;
constexpr std::int64_t kAboveCap = 2'000;
// Then steps of a thousandth of the payment, to a payment above the tariff's top.
constexpr std::int64_t kLargestPayment = 20'000'000'000;  // 200,000,000.00

std::int64_t Count(const mpq_class& amount) {
    return mpz_class(amount * 100).get_si();
}

std::array<std::string, 16> ProgramFigures(
    const std::variant<ExtraordinaryPayment, PaymentError>& result) {
    std::array<std::string, 16> figures;
    const auto* p = std::get_if<ExtraordinaryPayment>(&result);
    if (p == nullptr) {
        const auto error = std::get<PaymentError>(result);
        figures[0] = error == PaymentError{PaymentField::kPayment, InputProblem::kBeyondTariff}
                         ? kRefused
                         : "refused otherwise";
        return figures;
    }
    const auto shown = [](Cents c) { return AmountText(c).String(); };
    const auto& s = p->spread;
    const auto& m = p->monthly;
    mpq_class rate(mpz_class(s.rate.numerator) * 100, mpz_class(s.rate.denominator));
    rate.canonicalize();
    const PaymentMethod less = WithholdsLess(*p);
    return {shown(p->exemptCap),
            shown(p->exempt),
            shown(p->taxable),
            shown(s.monthlyShare),
            shown(s.baseWithShare),
            shown(s.taxWithShare),
            shown(s.taxWithout),
            shown(s.taxDifference),
            PercentText(s.rate),
            rate.get_str(),
            shown(s.withholding),
            shown(m.baseWithPayment),
            shown(m.procedureWithPayment),
            shown(m.procedureWithout),
            shown(m.withholding),
            less == PaymentMethod::kSpread    ? "art174"
            : less == PaymentMethod::kMonthly ? "art96"
                                              : "ninguno"};
}

}  // namespace

std::int64_t PaymentGrid::Size() const {
    std::int64_t size = 0;
    for (const auto& p : payments) size += static_cast<std::int64_t>(p.size() * incomes.size());
    return size;
}

PaymentGrid PlanPaymentGrid(const TableSet& tables) {
    const oracle::ExactTables exact(tables.Text());
    const auto& month = exact.Of(Period::kMensual);
    PaymentGrid grid;
    using enum PaymentConcept;
    const std::int64_t wage = Count(oracle::PlainDecimal("73.04"));
    grid.variants = {{kAguinaldo, 0, wage}};
    for (const auto other : kOtherMinimumWages) {
        grid.variants.push_back({kAguinaldo, 0, Count(oracle::PlainDecimal(other))});
    }
    grid.variants.insert(grid.variants.end(), {{kPtu, 0, wage}, {kPrimaVacacional, 0, wage}});
    for (int sundays = 0; sundays <= 5; ++sundays)
        grid.variants.push_back({kPrimaDominical, sundays, wage});

    // 0.00, and each row's limits, a cent inside each, and its quarters.
    grid.incomes.push_back(0);
    const auto addRow = [&](std::int64_t lower, std::int64_t upper) {
        for (const auto income : {lower, lower + 1, upper - 1, upper})
            grid.incomes.push_back(income);
        for (int q = 1; q < 4; ++q) grid.incomes.push_back(lower + (upper - lower) * q / 4);
    };
    for (const auto& row : month.isr) addRow(Count(row.lower), Count(row.upper));
    for (const auto& row : month.subsidy) addRow(Count(row.lower), Count(row.upper));
    std::sort(grid.incomes.begin(), grid.incomes.end());
    grid.incomes.erase(std::unique(grid.incomes.begin(), grid.incomes.end()), grid.incomes.end());

    const std::array<std::int64_t, 4> days = {30, 15, 15, 1};
    for (const auto& v : grid.variants) {
        const auto conceptIndex = static_cast<std::size_t>(v.paymentConcept);
        const std::int64_t cap =
            v.minimumWageCents *
            (v.paymentConcept == kPrimaDominical ? v.sundays : days[conceptIndex]);
        std::vector<std::int64_t> payments;
        for (std::int64_t p = kDenseFrom; p <= kDenseTo; ++p) payments.push_back(p);
        for (std::int64_t p = std::max<std::int64_t>(1, cap - kBelowCap); p <= cap + kAboveCap;
             ++p) {
            payments.push_back(p);
        }
        // Odd cents on the way up, so that the steps do not keep to round amounts.
        for (std::int64_t p = kDenseTo; p <= kLargestPayment; p += p / 1000 + 7)
            payments.push_back(p);
        std::sort(payments.begin(), payments.end());
        payments.erase(std::unique(payments.begin(), payments.end()), payments.end());
        grid.payments.push_back(std::move(payments));
    }
    return grid;
}

SweepCount PaymentSweep(const TableSet& tables, const PaymentGrid& grid, std::int64_t stride,
                        unsigned threads, const PaymentFunction& calculate,
                        const PaymentSweepHooks& hooks) {
    const oracle::ExactTables exact(tables.Text());
    // The points of the stride, indexed in variant, income, payment order.
    const std::int64_t total = (grid.Size() + stride - 1) / stride;
    std::vector<std::int64_t> variantStart;  // first grid index of each variant
    std::int64_t start = 0;
    for (const auto& p : grid.payments) {
        variantStart.push_back(start);
        start += static_cast<std::int64_t>(p.size() * grid.incomes.size());
    }
    SweepTally tally;
    const auto work = [&](std::int64_t chunk) {
        const std::int64_t first = chunk * kChunk;
        const std::int64_t end = std::min(total, first + kChunk);
        std::vector<PaymentMismatch> found;
        for (std::int64_t i = first; i < end; ++i) {
            const std::int64_t index = i * stride;
            const auto v = static_cast<std::size_t>(
                std::upper_bound(variantStart.begin(), variantStart.end(), index) -
                variantStart.begin() - 1);
            const auto& payments = grid.payments[v];
            const std::int64_t within = index - variantStart[v];
            const auto perIncome = static_cast<std::int64_t>(payments.size());
            const std::int64_t income = grid.incomes[static_cast<std::size_t>(within / perIncome)];
            const std::int64_t payment = payments[static_cast<std::size_t>(within % perIncome)];
            const PaymentVariant& variant = grid.variants[v];

            const auto program =
                ProgramFigures(calculate(tables, {variant.paymentConcept, *Cents::FromCount(income),
                                                  *Cents::FromCount(payment), variant.sundays,
                                                  *Cents::FromCount(variant.minimumWageCents)}));
            const auto expected =
                oracle::ExactPayment(exact, PaymentConceptName(variant.paymentConcept),
                                     oracle::FromCents(income), oracle::FromCents(payment),
                                     variant.sundays, oracle::FromCents(variant.minimumWageCents));
            // The grid's incomes are all within the tariff: only the payment can take the sum
            // beyond it.
            oracle::ExactPaymentFigures refused;
            refused[0] = kRefused;
            const auto& exactFigures = expected ? *expected : refused;
            for (std::size_t f = 0; f < program.size(); ++f) {
                const std::string& e = exactFigures[f];
                if (program[f] != e) {
                    found.push_back(
                        {variant, income, payment, std::string(kFigureNames[f]), program[f], e});
                }
            }
        }
        tally.ChunkDone(end - first, found, hooks.onMismatch);
    };
    OverChunks((total + kChunk - 1) / kChunk, threads, hooks.progressEvery, work,
               [&] { hooks.onProgress(tally.Checked()); });
    return tally.Count();
}

}  // namespace isr::verify
