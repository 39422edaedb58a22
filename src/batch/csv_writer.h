// SPDX-License-Identifier: MIT
// Writes RFC 4180 records into a byte buffer that the caller sends on in large pieces.
#pragma once

#include <cstring>
#include <string_view>

#include "batch/byte_buffer.h"
#include "money/amount_text.h"

namespace isr {

class CsvRecordWriter {
  public:
    // Appends records ending with `lineEnd` to `out`, their fields parted by `separator` (",", ";"
    // or a tab).
    CsvRecordWriter(ByteBuffer& out, std::string_view lineEnd, char separator = ',')
        : out_(out), lineEnd_(lineEnd), separator_(separator) {}

    CsvRecordWriter(const CsvRecordWriter&) = delete;
    CsvRecordWriter& operator=(const CsvRecordWriter&) = delete;

    // The next field of the current record, quoted only when it holds a comma, the separator, a
    // quote or a line break (quotes inside are doubled).
    void Field(std::string_view text);
    // A field known to need no quotes, as Field would write it: a batch passes most input fields
    // through, and knows which were read without quotes. Inline: a row writes several.
    void UnquotedField(std::string_view text) {
        char* const start = out_.Room(text.size() + 1);
        char* p = start;
        if (!firstField_) *p++ = separator_;
        firstField_ = false;
        if (text.size() <= 64) {
            CopyFieldBytes(p, text.data(), text.size());
        } else {
            std::memcpy(p, text.data(), text.size());
        }
        out_.Commit(static_cast<std::size_t>(p - start) + text.size());
    }
    // An amount as the next field: it holds no quote or line break, and needs quotes exactly when
    // it has group separators. The batch writes nine of these per row: inline.
    void AmountField(const AmountText& amount) {
        const std::string_view text = amount.View();
        char* const start = out_.Room(text.size() + 3);
        char* p = start;
        if (!firstField_) *p++ = separator_;
        firstField_ = false;
        if (amount.Grouped()) *p++ = '"';
        CopyFieldBytes(p, text.data(), text.size());
        p += text.size();
        if (amount.Grouped()) *p++ = '"';
        out_.Commit(static_cast<std::size_t>(p - start));
    }
    // Fields as a writer wrote them after a record's first field, each after its separator: never
    // the first field of a record. Fields that repeat from row to row are written once and copied.
    void WrittenFields(std::string_view fields) { out_.Append(fields.data(), fields.size()); }
    // Ends the current record. Inline: once a row.
    void EndRecord() {
        out_.Append(lineEnd_.data(), lineEnd_.size());
        firstField_ = true;
    }

    char Separator() const { return separator_; }

  private:
    // Each field is written through a pointer into room made beforehand, which spares it a call
    // to grow and copy: a batch writes a dozen of them per row.
    ByteBuffer& out_;
    std::string_view lineEnd_;
    char separator_;
    bool firstField_ = true;
};

}  // namespace isr
