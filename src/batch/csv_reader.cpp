// SPDX-License-Identifier: MIT
#include "batch/csv_reader.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <utility>

#include "batch/csv_characters.h"

namespace isr {

namespace {

constexpr std::string_view kUnclosedQuote = "comillas sin cerrar al final de la entrada";
constexpr std::string_view kQuoteInsideField = "comilla dentro de un campo sin comillas";
constexpr std::string_view kTextAfterQuote = "texto después de la comilla de cierre";
constexpr std::string_view kRecordTooLong = "registro de más de 1 MiB";
constexpr std::string_view kTooManyFields = "registro de más de 100,000 campos";

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Inside quotes, only a quote or a line end stops a run of field text.
constexpr auto kEndsQuotedRun = CharacterTable("\"\n\r");
// Outside quotes, a quote, a line end or a separator; any of the three a file may use, until its
// first record has said which.
constexpr std::string_view kSeparators = ",;\t";
constexpr auto kEndsPlainRunUndecided = CharacterTable(",;\t\"\n\r");

// The end of the run of field text from `p`: the first byte that `ends` holds, or `end`. Kept in
// locals, the loop costs a few instructions a byte; stepping the member `pos_` instead stores it
// on every byte, since a char read may alias it.
const char* SkipRun(const char* p, const char* const end, const std::array<bool, 256>& ends) {
    while (p != end && !ends[static_cast<unsigned char>(*p)]) ++p;
    return p;
}

// A block's reader has all its bytes at hand from the start.
class NoMoreBytes final : public ByteSource {
  public:
    std::size_t Read(char*, std::size_t) override { return 0; }
    bool Failed() const override { return false; }
};
NoMoreBytes noMoreBytes;

// The line ends inside quotes from `p` to the closing quote at `end`: "\r\n" is one.
std::uint64_t QuotedLineEnds(const char* p, const char* const end) {
    std::uint64_t lines = 0;
    for (; p != end; ++p) lines += *p == '\n' || (*p == '\r' && p[1] != '\n') ? 1 : 0;
    return lines;
}

}  // namespace

std::uint64_t CsvRecordBatch::FieldLine(const Record& record, std::size_t i) const {
    auto line = record.line;
    for (std::size_t f = 0; f < std::min(i, record.fieldCount); ++f) {
        const auto text = Field(record, f);
        for (std::size_t k = 0; k < text.size(); ++k) {
            const bool crBeforeLf = text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n';
            if ((text[k] == '\n' || text[k] == '\r') && !crBeforeLf) ++line;
        }
    }
    return line;
}

void CsvRecordBatch::Clear() {
    text_.Clear();
    fieldEnds_.clear();
    records_.clear();
    faults_.clear();
}

void CsvRecordBatch::SetFault(Record& record, const CsvFault& fault) {
    if (record.faultSlot != 0) {
        faults_[record.faultSlot - 1] = fault;
        return;
    }
    faults_.push_back(fault);
    record.faultSlot = static_cast<std::uint32_t>(faults_.size());
}

CsvReader::CsvReader(ByteSource& source, std::size_t bufferBytes)
    : source_(source),
      buffer_(std::max<std::size_t>(bufferBytes, kByteOrderMark.size())),
      endsPlainRun_(kEndsPlainRunUndecided) {}

CsvReader::CsvReader(std::istream& in, std::size_t bufferBytes)
    : ownSource_(std::make_unique<StreamSource>(in)),
      source_(*ownSource_),
      buffer_(std::max<std::size_t>(bufferBytes, kByteOrderMark.size())),
      endsPlainRun_(kEndsPlainRunUndecided) {}

CsvReader::CsvReader(const CsvBlock& block, char separator)
    : source_(noMoreBytes),
      pos_(block.bytes.Data()),
      end_(block.bytes.Data() + block.bytes.Size()),
      started_(true),
      line_(block.line),
      endsPlainRun_(kEndsPlainRunUndecided) {
    TakeSeparator(separator);
}

bool CsvReader::TakeSeparator(int c) {
    if (separator_ != 0) return c == separator_;
    if (c < 0 || kSeparators.find(static_cast<char>(c)) == std::string_view::npos) return false;
    separator_ = static_cast<char>(c);
    endsPlainRun_ = CharacterTable(std::string{separator_, '"', '\n', '\r'});
    return true;
}

bool CsvReader::Refill() {
    if (exhausted_) return false;
    const auto got = source_.Read(buffer_.data(), buffer_.size());
    if (got == 0) {
        exhausted_ = true;
        return false;
    }
    pos_ = buffer_.data();
    end_ = pos_ + got;
    nextQuote_ = nextLf_ = nextCr_ = nullptr;
    return true;
}

int CsvReader::Peek() {
    if (pos_ == end_ && !Refill()) return -1;
    return static_cast<unsigned char>(*pos_);
}

void CsvReader::NoteFault(CsvRecordBatch& batch, CsvRecordBatch::Record& record,
                          std::string_view what, std::size_t field) {
    if (record.faultSlot == 0) batch.SetFault(record, CsvFault{line_, field, what});
}

// Keeps field text up to the record limit; what lies beyond is read but dropped. Inline, since
// every run of field text passes here; a record within the limit takes the first branch.
inline void CsvReader::Keep(ByteBuffer& text, const char* from, const char* to) {
    const auto size = static_cast<std::size_t>(to - from);
    if (recordBytes_ + size <= kMaxRecordBytes) {
        // Within the limit, nothing is to be stopped.
        text.Append(from, size);
        recordBytes_ += size;
        return;
    }
    if (recordBytes_ < kMaxRecordBytes) {
        text.Append(from, kMaxRecordBytes - recordBytes_);
    }
    recordBytes_ += size;
    StopIfTooLong();
}

void CsvReader::StopIfTooLong() {
    if (stopAtLimit_ && recordBytes_ > kMaxRecordBytes) {
        // Nothing more is read: every loop of the record ends as at the end of the input.
        exhausted_ = true;
        pos_ = end_;
    }
}

// `c` ("\r" or "\n") has just been read outside quotes.
void CsvReader::EndLine(int c) {
    // After a "\r", the next byte tells "\r\n" from "\r"; if it is not there yet and the writer
    // has paused, the record is done anyway, and a "\n" that follows is taken as its line end's.
    crPending_ = c == '\r' && pos_ == end_ && !exhausted_ && source_.WouldWait();
    const bool crlf = c == '\r' && !crPending_ && Peek() == '\n';
    if (crlf) ++pos_;
    if (!lineEndSeen_) {
        lineEndSeen_ = true;
        firstLineEnd_ = crlf ? "\r\n" : c == '\r' ? "\r" : "\n";
    }
    ++line_;
}

bool CsvReader::ReadRecord(CsvRecordBatch& into, AfterLongRecord after) {
    for (;;) {
        const auto plain = ReadPlainRecord(into);
        if (plain == PlainRecord::kRead) return true;
        if (plain == PlainRecord::kBlank) continue;
        const bool undecided = separator_ == 0;
        if (!ReadOneRecord(into, after)) return false;
        const auto& record = into.records_.back();
        bool blank = record.fieldCount > 1 && record.faultSlot == 0;
        for (std::size_t i = 0; blank && i < record.fieldCount; ++i) {
            blank = into.Field(record, i).empty();
        }
        if (!blank) {
            if (separator_ == 0) TakeSeparator(',');
            return true;
        }
        // A blank row says nothing of the file's separator either.
        if (undecided) {
            separator_ = 0;
            endsPlainRun_ = kEndsPlainRunUndecided;
        }
        into.fieldEnds_.resize(record.firstField);
        into.text_.Truncate(into.LastEnd());
        into.records_.pop_back();
    }
}

bool CsvReader::ReadOneRecord(CsvRecordBatch& into, AfterLongRecord after) {
    if (!started_) {
        started_ = true;
        // A pipe may hand the mark over a byte at a time: read until it can be told, and no
        // further once it cannot be one (a short header line must not wait for more).
        std::size_t got = 0;
        while (got < kByteOrderMark.size() &&
               std::memcmp(buffer_.data(), kByteOrderMark.data(), got) == 0) {
            const auto more = source_.Read(buffer_.data() + got, buffer_.size() - got);
            if (more == 0) break;
            got += more;
        }
        exhausted_ = got == 0;
        pos_ = buffer_.data();
        end_ = pos_ + got;
        if (got >= kByteOrderMark.size() &&
            std::memcmp(pos_, kByteOrderMark.data(), kByteOrderMark.size()) == 0) {
            pos_ += kByteOrderMark.size();
            byteOrderMark_ = true;
        }
    }
    for (;;) {
        const int c = Peek();
        if (std::exchange(crPending_, false) && c == '\n') {
            ++pos_;
            continue;
        }
        if (c != '\n' && c != '\r') break;
        ++pos_;
        EndLine(c);
    }
    if (Peek() < 0) return false;

    auto& text = into.text_;
    auto& record =
        into.records_.emplace_back(CsvRecordBatch::Record{into.fieldEnds_.size(), 0, line_});
    recordBytes_ = 0;
    stopAtLimit_ = after == AfterLongRecord::kStop;
    bool overflowed = false;
    for (std::size_t field = 1;; ++field) {
        bool endOfInput = false;
        bool quotes = false;
        if (Peek() == '"') {
            quotes = true;
            ++pos_;
            const auto openedOn = line_;
            for (bool closed = false; !closed;) {
                if (pos_ == end_ && !Refill()) {
                    // Say where the quote opened: that is where the reader would look.
                    into.SetFault(record, CsvFault{openedOn, field, kUnclosedQuote});
                    endOfInput = true;
                    break;
                }
                const char* run = pos_;
                pos_ = SkipRun(run, end_, kEndsQuotedRun);
                Keep(text, run, pos_);
                if (pos_ == end_) continue;
                const char c = *pos_;
                if (c == '"') {
                    ++pos_;
                    if (Peek() == '"') {
                        Keep(text, pos_, pos_ + 1);
                        ++pos_;
                    } else {
                        closed = true;
                    }
                } else {  // a line break inside quotes is field text
                    Keep(text, pos_, pos_ + 1);
                    ++pos_;
                    if (c == '\n' || Peek() != '\n') ++line_;
                }
            }
            const int next = Peek();
            if (!endOfInput && next >= 0 && next != '\n' && next != '\r' && !TakeSeparator(next)) {
                NoteFault(into, record, kTextAfterQuote, field);
            }
        }
        // Plain text, or what follows a closing quote that should have ended the field.
        while (!endOfInput) {
            if (pos_ == end_ && !Refill()) break;
            const char* run = pos_;
            pos_ = SkipRun(run, end_, endsPlainRun_);
            Keep(text, run, pos_);
            if (pos_ == end_) continue;
            if (*pos_ != '"') break;
            quotes = true;
            NoteFault(into, record, kQuoteInsideField, field);
            Keep(text, pos_, pos_ + 1);
            ++pos_;
        }

        // A field beyond the limits is read but not kept: a line of a million separators holds
        // no text, yet each field would take its place. Each field counts the byte after it (a
        // separator or the line end), so that the limit is on the record's bytes in the file.
        if (++recordBytes_ > kMaxRecordBytes) StopIfTooLong();
        if (recordBytes_ <= kMaxRecordBytes && record.fieldCount < kMaxRecordFields) {
            into.fieldEnds_.push_back(text.Size() | (quotes ? CsvRecordBatch::kQuotesBit : 0));
            ++record.fieldCount;
        } else {
            text.Truncate(into.LastEnd());
            overflowed = true;
        }
        const int c = Peek();
        if (TakeSeparator(c)) {
            ++pos_;
            continue;
        }
        if (c == '\n' || c == '\r') {
            ++pos_;
            EndLine(c);
        }
        break;
    }
    // A record cut short at the limit is too long, whatever else its unread end held.
    if (overflowed && (record.faultSlot == 0 || (stopAtLimit_ && recordBytes_ > kMaxRecordBytes))) {
        into.SetFault(record,
                      CsvFault{record.line, record.fieldCount + 1,
                               recordBytes_ > kMaxRecordBytes ? kRecordTooLong : kTooManyFields});
    }
    return true;
}

// What ReadOneRecord does byte run by byte run, checking for refills, limits and faults at each,
// done here in one pass over a line that is at hand and short: no refill can come and no limit be
// passed. A record that would be a fault, or need a refill, is left whole to ReadOneRecord.
CsvReader::PlainRecord CsvReader::ReadPlainRecord(CsvRecordBatch& into) {
    // The first line, which decides the separator and the output's line end, is ReadOneRecord's.
    if (!lineEndSeen_ || separator_ == 0 || crPending_ || pos_ == end_ || *pos_ == '\n' ||
        *pos_ == '\r') {
        return PlainRecord::kNone;
    }
    // A record has at most one field more than it has bytes: within these, both limits hold.
    static_assert(kPlainRecordBytes < kMaxRecordFields && kPlainRecordBytes < kMaxRecordBytes);
    const char* const limit =
        pos_ + std::min(kPlainRecordBytes, static_cast<std::size_t>(end_ - pos_));
    auto& ends = into.fieldEnds_;
    const std::size_t firstField = ends.size();
    const std::size_t textStart = into.text_.Size();
    char* const room = into.text_.Room(static_cast<std::size_t>(limit - pos_));
    char* to = room;
    const char separator = separator_;
    const char* p = pos_;
    for (; p != limit; ++p) {
        std::size_t quotesBit = 0;
        if (*p == '"') {
            quotesBit = CsvRecordBatch::kQuotesBit;
            for (++p;;) {
                const char* const run = p;
                p = SkipRun(run, limit, kEndsQuotedRun);
                // A line break in quotes, or more than the bytes taken.
                if (p == limit || *p != '"') {
                    ends.resize(firstField);
                    return PlainRecord::kNone;
                }
                CopyFieldBytes(to, run, static_cast<std::size_t>(p - run));
                to += p - run;
                if (++p == limit || *p != '"') break;
                *to++ = '"';
                ++p;
            }
        } else {
            const char* const run = p;
            p = SkipRun(run, limit, endsPlainRun_);
            CopyFieldBytes(to, run, static_cast<std::size_t>(p - run));
            to += p - run;
        }
        // The separator, or the line end: "\n", or "\r\n" whole at hand. Anything else (text
        // after a closing quote, a quote in the text, a lone "\r", the limit) is ReadOneRecord's.
        if (p == limit) break;
        if (*p == separator) {
            ends.push_back((textStart + static_cast<std::size_t>(to - room)) | quotesBit);
            continue;
        }
        const char* const lineEnd = *p == '\r' && p + 1 != limit ? p + 1 : p;
        if (*lineEnd != '\n') break;
        ends.push_back((textStart + static_cast<std::size_t>(to - room)) | quotesBit);
        ++line_;
        pos_ = lineEnd + 1;
        // Separators only (",,,", a spreadsheet's blank row) are no record.
        const auto fields = ends.size() - firstField;
        if (fields > 1 && to == room) {
            ends.resize(firstField);
            return PlainRecord::kBlank;
        }
        into.text_.Commit(static_cast<std::size_t>(to - room));
        into.records_.push_back(CsvRecordBatch::Record{firstField, fields, line_ - 1});
        return PlainRecord::kRead;
    }
    ends.resize(firstField);
    return PlainRecord::kNone;
}

CsvReader::BlockEnd CsvReader::ReadBlock(CsvBlock& block, std::size_t mostLineEnds,
                                         std::size_t mostBytes, bool mayWait) {
    if (block.Empty()) block.line = line_;
    for (;;) {
        const char* copied = pos_;
        bool full = false;
        while (pos_ != end_ && !full) {
            if (std::exchange(crPending_, false)) {
                // The "\n" of a "\r\n" cut after its "\r" is no line of its own.
                block.bytes.Append(copied, static_cast<std::size_t>(pos_ - copied));
                if (*pos_ == '\n') ++pos_;
                copied = pos_;
                continue;
            }
            std::uint64_t lines = 0;
            const char* const end = RecordEnd(pos_, lines);
            if (end == nullptr) {
                // The record will be searched again from its start, before where these were
                // searched from.
                nextQuote_ = nextLf_ = nextCr_ = nullptr;
                break;
            }
            pos_ = end;
            line_ += lines;
            block.lineEnds += lines;
            full = crPending_ || block.lineEnds >= mostLineEnds ||
                   block.bytes.Size() + static_cast<std::size_t>(pos_ - copied) >= mostBytes;
        }
        block.bytes.Append(copied, static_cast<std::size_t>(pos_ - copied));
        if (full) return crPending_ ? BlockEnd::kWaiting : BlockEnd::kFull;
        if (exhausted_) {
            // The input ended inside a record (no line end, or an open quote): it is the last.
            block.bytes.Append(pos_, static_cast<std::size_t>(end_ - pos_));
            pos_ = end_;
            return BlockEnd::kEnd;
        }
        if (source_.WouldWait()) {
            if (!block.Empty()) return BlockEnd::kWaiting;
            if (!mayWait) return BlockEnd::kNothingReady;
        }
        if (pos_ == buffer_.data() && end_ == buffer_.data() + buffer_.size()) {
            return block.Empty() ? BlockEnd::kLongRecord : BlockEnd::kFull;
        }
        ReadMore();
    }
}

inline const char* CsvReader::Next(const char*& found, const char* from, char c) {
    if (found == nullptr || found < from) {
        const void* at = std::memchr(from, c, static_cast<std::size_t>(end_ - from));
        found = at != nullptr ? static_cast<const char*>(at) : end_;
    }
    return found;
}

const char* CsvReader::RecordEnd(const char* const start, std::uint64_t& lines) {
    // Most records hold no quote and no "\r" but their line end's: they end after the next "\n".
    const char* const lf = Next(nextLf_, start, '\n');
    if (lf != end_ && Next(nextQuote_, start, '"') > lf) {
        const char* const cr = Next(nextCr_, start, '\r');
        if (cr >= lf || cr + 1 == lf) {
            ++lines;
            return lf + 1;
        }
    }
    const char* p = start;
    const char* closedAt = nullptr;  // just after the last closing quote
    for (;;) {
        const char* const quote = Next(nextQuote_, p, '"');
        const char* const e = std::min(Next(nextLf_, p, '\n'), Next(nextCr_, p, '\r'));
        if (quote < e) {
            // A quote opens quotes only where a field starts, or doubled in quotes; elsewhere it
            // is text, as ReadRecord takes it.
            if (quote == start || quote == closedAt || quote[-1] == separator_) {
                const char* const close = Next(nextQuote_, quote + 1, '"');
                if (close == end_) return nullptr;
                // Most quoted fields hold no line end: the next one lies beyond them.
                if (e < close) lines += QuotedLineEnds(quote + 1, close);
                closedAt = close + 1;
                p = close + 1;
            } else {
                p = quote + 1;
            }
            continue;
        }
        if (e == end_) return nullptr;
        if (*e == '\n') {
            ++lines;
            return e + 1;
        }
        if (e + 1 != end_) {
            ++lines;
            return e[1] == '\n' ? e + 2 : e + 1;
        }
        // A "\r" ends the bytes at hand: the next byte tells "\r\n" from "\r", unless the writer
        // has paused, when the record is done anyway (as in ReadRecord).
        if (!exhausted_ && !source_.WouldWait()) return nullptr;
        crPending_ = !exhausted_;
        ++lines;
        return e + 1;
    }
}

void CsvReader::ReadMore() {
    const auto kept = static_cast<std::size_t>(end_ - pos_);
    if (kept > 0) std::memmove(buffer_.data(), pos_, kept);
    const auto got = source_.Read(buffer_.data() + kept, buffer_.size() - kept);
    exhausted_ = got == 0;
    pos_ = buffer_.data();
    end_ = pos_ + kept + got;
    nextQuote_ = nextLf_ = nextCr_ = nullptr;
}

}  // namespace isr
