// SPDX-License-Identifier: MIT
// Streaming RFC 4180 reader: records are parsed straight from a fixed-size buffer into a reusable
// batch, or cut unparsed into blocks for other threads to parse, so memory stays flat however
// long the input is. Lenient where it can be: a malformed
// quote does not stop the reading, it is noted on its record and the text is kept as written.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/byte_buffer.h"
#include "batch/byte_source.h"

namespace isr {

// What is wrong with a record as written, and where.
struct CsvFault {
    std::uint64_t line;     // input line, from 1
    std::size_t field;      // from 1
    std::string_view what;  // a fixed Spanish description
};

// Records stored back to back: the fields' texts in one string, their ends in one vector.
class CsvRecordBatch {
  public:
    // Small, since a chunk's records are written by the reading thread and read on another core:
    // the rare fault is kept apart.
    struct Record {
        std::size_t firstField;
        std::size_t fieldCount;
        std::uint64_t line;           // where the record starts
        std::uint32_t faultSlot = 0;  // 0, or 1 + the fault's place
    };

    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const Record& operator[](std::size_t i) const { return records_[i]; }
    // What is wrong with the record as written; nothing when it was read whole and well formed.
    const CsvFault* Fault(const Record& record) const {
        return record.faultSlot == 0 ? nullptr : &faults_[record.faultSlot - 1];
    }
    // Inline: a batch row reads a dozen fields through it.
    std::string_view Field(const Record& record, std::size_t i) const {
        const auto index = record.firstField + i;
        const auto begin = index == 0 ? 0 : End(index - 1);
        return {text_.Data() + begin, End(index) - begin};
    }
    // Whether a quote opened the field or stood in it as written. A field without one, in a file
    // parted by commas, holds no comma, quote or line break: it can be written back as it is.
    bool FieldHadQuotes(const Record& record, std::size_t i) const {
        return (fieldEnds_[record.firstField + i] & kQuotesBit) != 0;
    }
    // Calls `take(text, hadQuotes)` for the record's first `fields` fields in order (at most its
    // fieldCount): a batch row passes them all through, and each one starts where the last ended.
    template <class Take>
    void ForEachField(const Record& record, std::size_t fields, Take&& take) const {
        const std::size_t* end = fieldEnds_.data() + record.firstField;
        std::size_t begin = record.firstField == 0 ? 0 : End(record.firstField - 1);
        const char* const text = text_.Data();
        for (const std::size_t* const last = end + fields; end != last; ++end) {
            const std::size_t stop = *end & ~kQuotesBit;
            take(std::string_view(text + begin, stop - begin), (*end & kQuotesBit) != 0);
            begin = stop;
        }
    }
    // The bytes of the record's fields' texts, all together.
    std::size_t TextBytes(const Record& record) const {
        if (record.fieldCount == 0) return 0;
        const std::size_t begin = record.firstField == 0 ? 0 : End(record.firstField - 1);
        return End(record.firstField + record.fieldCount - 1) - begin;
    }
    // The line on which a field starts: fields after a quoted line break sit further down.
    std::uint64_t FieldLine(const Record& record, std::size_t i) const;
    std::size_t TextBytes() const { return text_.Size(); }
    // The memory the records take: their text, and the place of every field (an empty field
    // holds no text, but still takes its place).
    std::size_t Bytes() const {
        return text_.Size() + fieldEnds_.size() * sizeof(std::size_t) +
               records_.size() * sizeof(Record) + faults_.size() * sizeof(CsvFault);
    }
    void Clear();

  private:
    friend class CsvReader;
    // A field's end in the text, with this bit set when it had quotes: a chunk's text is never
    // near that long.
    static constexpr std::size_t kQuotesBit = ~(~std::size_t{0} >> 1);
    std::size_t End(std::size_t index) const { return fieldEnds_[index] & ~kQuotesBit; }
    std::size_t LastEnd() const { return fieldEnds_.empty() ? 0 : End(fieldEnds_.size() - 1); }

    // Sets the record's fault, or replaces it.
    void SetFault(Record& record, const CsvFault& fault);

    ByteBuffer text_;
    std::vector<std::size_t> fieldEnds_;
    std::vector<Record> records_;
    std::vector<CsvFault> faults_;
};

// Whole records as the input wrote them, cut by the reading thread for another thread to parse:
// finding where records end is a search for a few bytes, parsing them the costly part.
struct CsvBlock {
    ByteBuffer bytes;
    std::uint64_t line = 1;    // of the first byte
    std::size_t lineEnds = 0;  // in the bytes, those inside quotes too

    bool Empty() const { return bytes.Size() == 0; }
    void Clear() {
        bytes.Clear();
        lineEnds = 0;
    }
};

class CsvReader {
  public:
    // Records longer than this, or with more fields, keep only their beginning and are marked
    // faulty.
    static constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;
    static constexpr std::size_t kMaxRecordFields = 100'000;
    static constexpr std::size_t kDefaultBufferBytes = std::size_t{1} << 18;
    // Records up to this long, with their line end at hand, are read in one pass when plain.
    static constexpr std::size_t kPlainRecordBytes = 4096;

    explicit CsvReader(ByteSource& source, std::size_t bufferBytes = kDefaultBufferBytes);
    explicit CsvReader(std::istream& in, std::size_t bufferBytes = kDefaultBufferBytes);
    // The records of a block that ReadBlock cut from a file parted by `separator`, with the
    // lines of that file.
    CsvReader(const CsvBlock& block, char separator);

    // What becomes of the input after a record longer than kMaxRecordBytes: read past it to the
    // next record, or read no further (for a header: nothing after it could be understood, and
    // a line that never ends, /dev/zero, must not be read forever).
    enum class AfterLongRecord : std::uint8_t { kReadOn, kStop };

    // Appends the next record to `into`; false once the input is exhausted (or failed). Lines
    // without any character are not records and are skipped, and so are lines of separators only
    // (",,,", the blank rows a spreadsheet writes).
    bool ReadRecord(CsvRecordBatch& into, AfterLongRecord after = AfterLongRecord::kReadOn);

    // Why ReadBlock stopped.
    enum class BlockEnd : std::uint8_t {
        kFull,          // at a limit
        kWaiting,       // the block holds records and the next read would wait for the writer
        kNothingReady,  // the block is empty and the next read would wait (see `mayWait`)
        kLongRecord,    // the next record is longer than the buffer: read it with ReadRecord
        kEnd,           // the input is exhausted (or failed); the block holds its last records
    };
    // Appends whole records after the header, as written, to `block`, up to `mostLineEnds` line
    // ends or `mostBytes` bytes; a record is only ever cut from the input at its end (a line end
    // outside quotes). With `mayWait` false, returns kNothingReady rather than wait for a writer
    // while the block is empty, so that what is done so far can be sent first.
    BlockEnd ReadBlock(CsvBlock& block, std::size_t mostLineEnds, std::size_t mostBytes,
                       bool mayWait);

    // The source reported a read error (as opposed to its end).
    bool Failed() const { return source_.Failed(); }
    // The errno of that error, 0 when unknown.
    int Error() const { return source_.Error(); }
    // Whether the input began with a UTF-8 byte order mark (which is not part of any field).
    bool HadByteOrderMark() const { return byteOrderMark_; }
    // The line end of the first record: "\r\n", "\r" or "\n" ("\n" until one is seen).
    std::string_view FirstLineEnd() const { return firstLineEnd_; }
    // The file's one separator: the first ",", ";" or tab outside quotes in its first record (a
    // spreadsheet in a Spanish locale writes ";"), "," when that record has none. Decided once
    // the first record has been read.
    char Separator() const { return separator_ != 0 ? separator_ : ','; }

  private:
    int Peek();
    bool Refill();
    void NoteFault(CsvRecordBatch& batch, CsvRecordBatch::Record& record, std::string_view what,
                   std::size_t field);
    void Keep(ByteBuffer& text, const char* from, const char* to);
    void StopIfTooLong();
    void EndLine(int c);
    // Whether `c` ends a field: the file's separator, or while it is undecided any of the three,
    // which then becomes it.
    bool TakeSeparator(int c);
    bool ReadOneRecord(CsvRecordBatch& into, AfterLongRecord after);
    // The next record in one pass, when its line end is at hand within kPlainRecordBytes and it
    // is plain: no line break or stray quote in its fields, no lone "\r". Most records are.
    // False, with nothing read, for any other.
    bool ReadPlainRecord(CsvRecordBatch& into);
    // The end of the record at `start` (past its line end), counting its line ends into `lines`;
    // nothing when the bytes at hand end first.
    const char* RecordEnd(const char* start, std::uint64_t& lines);
    // The first `c` from `from` on in the bytes at hand, or end_, remembered in `found` until
    // passed: a search per byte value, not per byte. `from` must not go back between searches.
    const char* Next(const char*& found, const char* from, char c);
    // Reads more after the bytes at hand, which move to the front of the buffer.
    void ReadMore();

    std::unique_ptr<StreamSource> ownSource_;  // when made from a stream
    ByteSource& source_;
    std::vector<char> buffer_;
    const char* pos_ = nullptr;
    const char* end_ = nullptr;
    bool exhausted_ = false;
    bool started_ = false;
    bool byteOrderMark_ = false;
    std::string_view firstLineEnd_ = "\n";
    bool lineEndSeen_ = false;
    std::uint64_t line_ = 1;
    std::size_t recordBytes_ = 0;  // kept so far by the current record
    char separator_ = 0;           // 0 until decided
    std::array<bool, 256> endsPlainRun_;
    bool stopAtLimit_ = false;  // of the current record
    // A "\r" ended the last line with nothing after it ready: a "\n" that comes next is part of
    // that line end, not an empty line. (Waiting for it would hold the row back from a writer
    // that waits for its answer.)
    bool crPending_ = false;
    // Where ReadBlock found the next quote, LF and CR; null once the buffer is refilled.
    const char* nextQuote_ = nullptr;
    const char* nextLf_ = nullptr;
    const char* nextCr_ = nullptr;
};

}  // namespace isr
