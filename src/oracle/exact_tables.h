// SPDX-License-Identifier: MIT
// A table set as exact rationals, read from its decimal texts, with each row's figures already
// shown as "#,0.00".
#pragma once

#include <gmpxx.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tariffs/table_set.h"

namespace isr::oracle {

struct ExactIsrRow {
    mpq_class lower;
    mpq_class upper;
    mpq_class fee;
    mpq_class rate;  // in percent
    std::string lowerShown;
    std::string rateShown;
    std::string feeShown;
};

struct ExactSubsidyRow {
    mpq_class lower;
    mpq_class upper;
    mpq_class subsidy;
    std::string lowerShown;
    std::string upperShown;
    std::string subsidyShown;
};

struct ExactPeriodTables {
    std::vector<ExactIsrRow> isr;
    std::vector<ExactSubsidyRow> subsidy;  // empty for "Anual"
};

class ExactTables {
  public:
    // Throws std::logic_error for a figure that is not a plain decimal.
    explicit ExactTables(const TableSetText& text);
    const ExactPeriodTables& Of(Period period) const { return periods_[PeriodIndex(period)]; }
    // The daily tariff and subsidy table, as published; nothing for a set without them.
    const std::optional<ExactPeriodTables>& Daily() const { return daily_; }

  private:
    std::array<ExactPeriodTables, kPeriodCount> periods_;
    std::optional<ExactPeriodTables> daily_;
};

}  // namespace isr::oracle
