// SPDX-License-Identifier: MIT
// The audit's report: one CSV record per Nomina complement (or unreadable file), the same bytes
// whichever front end writes it, and the tally --resumen prints.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "batch/byte_buffer.h"
#include "receipts/receipt_audit.h"

namespace isr {

// Records end as RFC 4180 says.
inline constexpr std::string_view kReportLineEnd = "\r\n";

void WriteReportHeader(ByteBuffer& out);
// `file` names where the receipt came from.
void WriteReportRecord(ByteBuffer& out, std::string_view file, const ReceiptRow& row,
                       const ReceiptAudit& audit);

std::string_view AuditMethodName(AuditMethod method);  // "periodo", "dias", "mensual"

class ReportTally {
  public:
    void Count(const ReceiptAudit& audit);
    void Add(const ReportTally& other);

    std::int64_t Read() const { return read_; }
    bool AllAgree() const { return read_ == agreeing_; }
    // Lines of "caption: figure", for --resumen.
    std::string Summary() const;

  private:
    std::int64_t read_ = 0;
    std::int64_t agreeing_ = 0;
    std::array<std::int64_t, kAuditMethodCount> byMethod_{};
    std::int64_t differing_ = 0;
    Cents differences_;
    bool differencesBeyond_ = false;  // the sum left the range of an amount
    std::map<NotAuditedCause, std::int64_t> notAudited_;
};

}  // namespace isr
