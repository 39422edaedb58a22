// SPDX-License-Identifier: MIT
#include "batch/batch_summary.h"

#include <algorithm>
#include <variant>

#include "batch/box_labels.h"

namespace isr {

namespace {

constexpr std::string_view CaptionOf(ResultBox box) {
    return kBoxLabels[static_cast<std::size_t>(box)].caption;
}

constexpr std::array<std::string_view, kMostTotals> kWithholdingTotals = {
    CaptionOf(ResultBox::kDeterminedTax), CaptionOf(ResultBox::kSubsidy),
    CaptionOf(ResultBox::kResult), kSettlementLabels[0].caption, kSettlementLabels[1].caption};
// The two methods' figures share the caption "Retención"; here they stand side by side.
constexpr std::array<std::string_view, 2> kPaymentTotals = {"Retención (art. 174)",
                                                            "Retención (art. 96)"};

std::optional<Cents> Plus(std::optional<Cents> sum, Cents figure) {
    return sum ? Cents::Sum(*sum, figure) : std::nullopt;
}

}  // namespace

std::span<const std::string_view> TotalCaptions(const BatchLayout& layout) {
    if (std::holds_alternative<PaymentColumns>(layout.columns)) return kPaymentTotals;
    return kWithholdingTotals;
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
