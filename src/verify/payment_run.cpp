// SPDX-License-Identifier: MIT
// isr2016-verify --pago: the payment grid of each table set against the exact calculation.
#include <chrono>
#include <ostream>
#include <string>

#include "calc/extraordinary_payment.h"
#include "oracle/rational_amount.h"
#include "verify/payment_sweep.h"
#include "verify/run.h"

namespace isr::verify {

namespace {

std::string Shown(std::int64_t cents) {
    return oracle::ShownCents(oracle::FromCents(cents));
}

std::string VariantLabel(const PaymentVariant& v) {
    std::string label(PaymentConceptName(v.paymentConcept));
    if (v.paymentConcept == PaymentConcept::kPrimaDominical) {
        label += ", " + std::to_string(v.sundays) + " domingos";
    }
    return label + ", salario mínimo " + Shown(v.minimumWageCents);
}

}  // namespace

int RunPaymentSweeps(const Options& options, unsigned threads, std::ostream& out,
                     std::ostream& err) {
    SweepCount total;
    for (const TableSet* tables : AllTableSets()) {
        if (options.tablesGiven && tables != options.tables) continue;
        const std::string label = std::string(tables->Name()) + ", pagos";
        const PaymentGrid grid = PlanPaymentGrid(*tables);
        const auto points = (grid.Size() + options.stride - 1) / options.stride;
        const auto start = std::chrono::steady_clock::now();
        err << label << ": " << points << " payments (" << grid.variants.size()
            << " concepts and wages, " << grid.incomes.size() << " incomes), every "
            << options.stride << " of the grid, " << threads << " thread(s)" << std::endl;
        const auto seconds = [&] {
            return std::chrono::duration_cast<std::chrono::seconds>(
                       std::chrono::steady_clock::now() - start)
                .count();
        };
        PaymentSweepHooks hooks;
        hooks.onMismatch = [&](const PaymentMismatch& m) {
            out << "mismatch: " << label << ", " << VariantLabel(m.variant) << ", ingreso "
                << Shown(m.incomeCents) << ", importe " << Shown(m.paymentCents) << ", " << m.figure
                << ": program \"" << m.program << "\", exact \"" << m.exact << "\"\n";
        };
        hooks.onProgress = [&](std::int64_t checked) {
            err << label << ": " << checked << " of " << points << " (" << checked * 100 / points
                << " %), " << seconds() << " s" << std::endl;
        };
        const auto count = PaymentSweep(*tables, grid, options.stride, threads,
                                        CalculateExtraordinaryPayment, hooks);
        err << label << ": done in " << seconds() << " s" << std::endl;
        out << label << ": checked " << count.checked << " payments, " << count.mismatches
            << " mismatches" << std::endl;
        total.checked += count.checked;
        total.mismatches += count.mismatches;
    }
    out << "checked " << total.checked << " payments, " << total.mismatches << " mismatches"
        << std::endl;
    return total.mismatches == 0 ? kExitAgree : kExitMismatch;
}

}  // namespace isr::verify
