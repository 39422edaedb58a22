// SPDX-License-Identifier: MIT
#include "batch/batch_summary.h"

#include <algorithm>
#include <variant>

#include "presentation/summary_labels.h"

namespace isr {

static_assert(kWithholdingTotalCaptions.size() == kMostTotals &&
              kPaymentTotalCaptions.size() <= kMostTotals);

namespace {

std::optional<Cents> Plus(std::optional<Cents> sum, Cents figure) {
    return sum ? Cents::Sum(*sum, figure) : std::nullopt;
}

}  // namespace

std::span<const std::string_view> TotalCaptions(const BatchLayout& layout) {
    if (std::holds_alternative<PaymentColumns>(layout.columns)) return kPaymentTotalCaptions;
    return kWithholdingTotalCaptions;
}

void BatchSummary::AddGoodRow(const RowTotals& figures) {
    ++rows_;
    for (std::size_t i = 0; i < kMostTotals; ++i) totals_[i] = Plus(totals_[i], figures[i]);
}

void BatchSummary::AddBadRow(std::string_view message) {
    ++rows_;
    ++badRows_;
    if (messages_.size() < kKeptMessages) messages_.emplace_back(message);
}

void BatchSummary::Add(const BatchSummary& later) {
    rows_ += later.rows_;
    badRows_ += later.badRows_;
    for (std::size_t i = 0; i < kMostTotals; ++i) {
        totals_[i] = later.totals_[i] ? Plus(totals_[i], *later.totals_[i]) : std::nullopt;
    }
    const auto room = kKeptMessages - messages_.size();
    const auto taken = std::min(room, later.messages_.size());
    messages_.insert(messages_.end(), later.messages_.begin(),
                     later.messages_.begin() + static_cast<std::ptrdiff_t>(taken));
}

}  // namespace isr
