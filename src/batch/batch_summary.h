// SPDX-License-Identifier: MIT
// What a whole payroll came to: its rows, its bad rows with the first of their messages, and the
// sums over the good rows of the figures a clerk checks against the books: the determined tax,
// the subsidy, the 2016 procedure, the ISR to withhold and the subsidy to deliver of a payroll of
// incomes or of nets; each method's
// withholding of a payroll of extraordinary payments.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_layout.h"
#include "money/cents.h"

namespace isr {

inline constexpr std::size_t kMostTotals = 5;

// A good row's figures, in the order of TotalCaptions; a layout with fewer leaves the rest zero.
using RowTotals = std::array<Cents, kMostTotals>;

// The captions of the summed figures of a layout, in order, from the presentation tables.
std::span<const std::string_view> TotalCaptions(const BatchLayout& layout);

class BatchSummary {
  public:
    // Bad rows beyond these are counted, and their messages go only where every message goes.
    static constexpr std::size_t kKeptMessages = 20;

    void AddGoodRow(const RowTotals& figures);
    // Good rows counted without their figures, when no one asked for the sums: Total then says
    // nothing about them.
    void CountGoodRows(std::uint64_t rows) { rows_ += rows; }
    void AddBadRow(std::string_view message);
    // The rows of a later part of the same payroll.
    void Add(const BatchSummary& later);
    void Clear() { *this = BatchSummary(); }

    std::uint64_t Rows() const { return rows_; }
    std::uint64_t BadRows() const { return badRows_; }
    const std::vector<std::string>& FirstMessages() const { return messages_; }
    // Nothing once the sum has left the range of an amount, which only absurd subsidy sums reach.
    std::optional<Cents> Total(std::size_t i) const { return totals_[i]; }

  private:
    std::uint64_t rows_ = 0;
    std::uint64_t badRows_ = 0;
    std::array<std::optional<Cents>, kMostTotals> totals_{Cents{}, Cents{}, Cents{}, Cents{},
                                                          Cents{}};
    std::vector<std::string> messages_;
};

}  // namespace isr
