// SPDX-License-Identifier: MIT
// The report's rows from payments grouped by employee and year: each group's row is written once
// the next group starts (or at Finish), as the command line and the page both hand them on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "annual/annual_report.h"
#include "annual/employee_year.h"
#include "batch/csv_writer.h"
#include "tariffs/table_set.h"

namespace isr {

// The years written, by what came of them.
struct AnnualCounts {
    std::uint64_t years = 0;
    std::uint64_t byResult[4] = {};  // by AnnualResult
    std::uint64_t errors = 0;        // years without figures
};

class YearRows {
  public:
    YearRows(const TableSet& tables, AnnualReportOptions report, CsvRecordWriter& writer,
             AnnualCounts& counts)
        : tables_(tables), report_(report), writer_(writer), counts_(counts) {}

    // The payments of one employee and year come together; nothing for a row of the year that
    // could not be read, which leaves the year without figures.
    void Take(std::string_view employee, int year, const std::optional<YearPayment>& payment);
    // Writes the last group's row.
    void Finish();

  private:
    const TableSet& tables_;
    AnnualReportOptions report_;
    CsvRecordWriter& writer_;
    AnnualCounts& counts_;
    std::string employee_;
    std::optional<EmployeeYear> year_;
    std::uint64_t payments_ = 0;
    std::uint64_t badRows_ = 0;
};

}  // namespace isr
