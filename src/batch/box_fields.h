// SPDX-License-Identifier: MIT
// The nine result boxes of a row as CSV fields. Six of them are figures of the tariff row and of
// the subsidy row found, and a payroll meets the same few dozen rows again and again: their
// fields are made the first time a row is met, and copied from then on.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "batch/csv_writer.h"
#include "calc/withholding.h"
#include "tariffs/periods.h"

namespace isr {

// Kept by each worker from row to row, whatever the tables and the separator: an entry is used
// only for the very figures and the separator it was made with.
class BoxFields {
  public:
    // The nine boxes of `withholding`, a calculation of `period`, as BoxText shows them, then its
    // Settlement's two figures, as CsvRecordWriter::AmountField writes them: eleven amount fields
    // at most.
    void Write(Period period, const Withholding& withholding, CsvRowWriter& writer);

  private:
    struct IsrEntry {
        std::optional<IsrBreakdown> row;  // its excess left zero: that box is not kept
        std::string lowerLimit;           // "496.08,"
        std::string rateAndFee;           // "6.40,9.52,"
    };
    struct SubsidyEntry {
        std::optional<SubsidyBreakdown> row;
        std::string fields;  // "\"2,653.39\",\"3,472.84\",406.62,"
    };

    // The entry of the row: made the first time the row is met, or again when it was made of
    // other figures (another set of tables). Inline, as nearly every row finds it made.
    const IsrEntry& IsrFields(Period period, const IsrBreakdown& row) {
        IsrBreakdown kept = row;
        kept.excess = Cents{};
        const auto& entries = isr_[PeriodIndex(period)];
        if (row.row < entries.size() && entries[row.row].row == kept) return entries[row.row];
        return MakeIsrEntry(period, kept);
    }
    const SubsidyEntry& SubsidyFields(Period period, const SubsidyBreakdown& row) {
        const auto& entries = subsidy_[PeriodIndex(period)];
        if (row.row < entries.size() && entries[row.row].row == row) return entries[row.row];
        return MakeSubsidyEntry(period, row);
    }
    const IsrEntry& MakeIsrEntry(Period period, const IsrBreakdown& kept);
    const SubsidyEntry& MakeSubsidyEntry(Period period, const SubsidyBreakdown& row);

    char separator_ = 0;     // between the fields of every entry; none before the first Write
    std::string noSubsidy_;  // the three subsidy boxes without a subsidy row
    std::array<std::vector<IsrEntry>, kPeriodCount> isr_;
    std::array<std::vector<SubsidyEntry>, kPeriodCount> subsidy_;
};

}  // namespace isr
