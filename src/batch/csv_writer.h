// SPDX-License-Identifier: MIT
// Writes RFC 4180 records into a byte buffer that the caller sends on in large pieces.
#pragma once

#include <cassert>
#include <cstring>
#include <string_view>

#include "batch/byte_buffer.h"
#include "money/amount_text.h"

namespace isr {

// The writing of one field at `p`, after its separator unless it is a record's first; each
// returns the end of what it wrote. The room is the caller's to have made.
inline char* PutUnquotedField(char* p, std::string_view text) {
    if (text.size() <= 64) {
        CopyFieldBytes(p, text.data(), text.size());
    } else {
        std::memcpy(p, text.data(), text.size());
    }
    return p + text.size();
}
inline char* PutAmountField(char* p, const AmountText& amount) {
    const std::string_view text = amount.View();
    if (amount.Grouped()) *p++ = '"';
    CopyFieldBytes(p, text.data(), text.size());
    p += text.size();
    if (amount.Grouped()) *p++ = '"';
    return p;
}
// Quoted only when it holds a comma, `separator`, a quote or a line break: at most twice the
// text and its two quotes.
char* PutField(char* p, std::string_view text, char separator);

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
        out_.Commit(static_cast<std::size_t>(PutUnquotedField(p, text) - start));
    }
    // An amount as the next field: it holds no quote or line break, and needs quotes exactly when
    // it has group separators. The batch writes nine of these per row: inline.
    void AmountField(const AmountText& amount) {
        const std::string_view text = amount.View();
        char* const start = out_.Room(text.size() + 3);
        char* p = start;
        if (!firstField_) *p++ = separator_;
        firstField_ = false;
        out_.Commit(static_cast<std::size_t>(PutAmountField(p, amount) - start));
    }
    // Ends the current record. Inline: once a row.
    void EndRecord() {
        out_.Append(lineEnd_.data(), lineEnd_.size());
        firstField_ = true;
    }

    char Separator() const { return separator_; }

  private:
    friend class CsvRowWriter;

    // Each field is written through a pointer into room made beforehand, which spares it a call
    // to grow and copy: a batch writes a dozen of them per row.
    ByteBuffer& out_;
    std::string_view lineEnd_;
    char separator_;
    bool firstField_ = true;
};

// One record written into room made once for its worst case: a batch row writes a dozen fields,
// and each would otherwise test the buffer's room and move its end. Each field is written with
// the separator after it, and the line end takes the last one's place: no field asks whether it
// is the record's first. The record is the writer's once EndRecord is called.
class CsvRowWriter {
  public:
    // The room a record's field can take at most, beyond twice its text: separator and quotes.
    static constexpr std::size_t kFieldOverhead = 3;
    // An amount's field at most: the longest amount text, its separator and quotes.
    static constexpr std::size_t kAmountFieldBytes = 27 + kFieldOverhead;

    // Starts a record of `writer`, which must be between records; `mostBytes` is no less than the
    // record can take, its line end included.
    CsvRowWriter(CsvRecordWriter& writer, std::size_t mostBytes)
        : writer_(writer),
          start_(writer.out_.Room(mostBytes + writer.lineEnd_.size())),
          p_(start_),
          separator_(writer.separator_) {}

    CsvRowWriter(const CsvRowWriter&) = delete;
    CsvRowWriter& operator=(const CsvRowWriter&) = delete;

    void UnquotedField(std::string_view text) { Separate(PutUnquotedField(p_, text)); }
    void AmountField(const AmountText& amount) { Separate(PutAmountField(p_, amount)); }
    void Field(std::string_view text) { Separate(PutField(p_, text, separator_)); }
    // Fields as this writer writes them, each followed by its separator: fields that repeat from
    // row to row are written once and copied.
    void WrittenFields(std::string_view fields) { p_ = PutUnquotedField(p_, fields); }
    // Ends the record, which has a field at least: its line end takes the last separator's place.
    void EndRecord() {
        assert(p_ != start_);
        p_ = PutUnquotedField(p_ - 1, writer_.lineEnd_);
        writer_.out_.Commit(static_cast<std::size_t>(p_ - start_));
    }

    char Separator() const { return separator_; }

  private:
    void Separate(char* fieldEnd) {
        *fieldEnd = separator_;
        p_ = fieldEnd + 1;
    }

    CsvRecordWriter& writer_;
    char* const start_;
    char* p_;
    char separator_;
};

}  // namespace isr
