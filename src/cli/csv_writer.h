// SPDX-License-Identifier: MIT
// Writes RFC 4180 records into a text buffer that the caller sends on in large pieces.
#pragma once

#include <string>
#include <string_view>

#include "money/amount_text.h"

namespace isr::cli {

class CsvRecordWriter {
  public:
    // Appends records ending with `lineEnd` to `out`. The writer grows `out` ahead of what it has
    // written and trims it when it goes away: read `out` only after that.
    CsvRecordWriter(std::string& out, std::string_view lineEnd)
        : out_(out), used_(out.size()), lineEnd_(lineEnd) {}
    ~CsvRecordWriter() { out_.resize(used_); }

    CsvRecordWriter(const CsvRecordWriter&) = delete;
    CsvRecordWriter& operator=(const CsvRecordWriter&) = delete;

    // The next field of the current record, quoted only when it holds a comma, a quote or a line
    // break (quotes inside are doubled).
    void Field(std::string_view text);
    // An amount as the next field: it holds no quote or line break, and needs quotes exactly when
    // it has group separators. The batch writes nine of these per row.
    void AmountField(const AmountText& amount);
    // Ends the current record.
    void EndRecord();

  private:
    // Where to write the next `bytes` bytes at most. Writing through a pointer into room made
    // beforehand spares each short field a call to grow and copy; a batch writes a dozen of them
    // per row.
    char* Room(std::size_t bytes) {
        if (out_.size() - used_ < bytes) Grow(bytes);
        return out_.data() + used_;
    }
    void Grow(std::size_t bytes);

    std::string& out_;
    std::size_t used_;
    std::string_view lineEnd_;
    bool firstField_ = true;
};

}  // namespace isr::cli
