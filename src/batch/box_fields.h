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

    const IsrEntry& IsrFields(Period period, const IsrBreakdown& row);
    const SubsidyEntry& SubsidyFields(Period period, const SubsidyBreakdown& row);

    char separator_ = ',';  // between the fields of every entry
    std::array<std::vector<IsrEntry>, kPeriodCount> isr_;
    std::array<std::vector<SubsidyEntry>, kPeriodCount> subsidy_;
};

}  // namespace isr
