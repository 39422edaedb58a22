// SPDX-License-Identifier: MIT
// Checks the withholding on extraordinary payments against the exact calculation over a grid:
// every concept (the prima dominical with 0 to 5 Sundays, the aguinaldo with two other minimum
// wages too), ordinary incomes at and between the limits of every monthly row, payments from
// 0.01 cent by cent, around each exempt cap, then in steps of a tenth of a percent to far above
// the top of the tariff.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "calc/extraordinary_payment.h"
#include "verify/sweep.h"

namespace isr::verify {

using PaymentFunction = std::function<std::variant<ExtraordinaryPayment, PaymentError>(
    const TableSet& tables, const PaymentInput& input)>;

// One concept with its Sundays and minimum wage, over every income and payment of the grid.
struct PaymentVariant {
    PaymentConcept paymentConcept;
    int sundays;
    std::int64_t minimumWageCents;
};

struct PaymentGrid {
    std::vector<PaymentVariant> variants;
    std::vector<std::int64_t> incomes;  // cents, ascending
    // Cents, ascending, per variant (the cap decides where payments are dense).
    std::vector<std::vector<std::int64_t>> payments;

    std::int64_t Size() const;
};

// The grid of a table set, its row limits read by the oracle from the tables' texts.
PaymentGrid PlanPaymentGrid(const TableSet& tables);

struct PaymentMismatch {
    PaymentVariant variant;
    std::int64_t incomeCents;
    std::int64_t paymentCents;
    std::string figure;  // "retencion_art174"
    std::string program;
    std::string exact;
};

struct PaymentSweepHooks {
    // Called for every mismatch, one call at a time, from any of the workers.
    std::function<void(const PaymentMismatch&)> onMismatch;
    // Called from the calling thread every `progressEvery` with the payments checked so far.
    std::function<void(std::int64_t checked)> onProgress;
    std::chrono::milliseconds progressEvery{5000};
};

// Every stride-th point of the grid, in variant, income, payment order. A point beyond the
// monthly tariff must be refused by the program as the exact calculation refuses it.
SweepCount PaymentSweep(const TableSet& tables, const PaymentGrid& grid, std::int64_t stride,
                        unsigned threads, const PaymentFunction& calculate,
                        const PaymentSweepHooks& hooks);

}  // namespace isr::verify
