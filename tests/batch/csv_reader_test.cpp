// SPDX-License-Identifier: MIT
#include "batch/csv_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace isr {
namespace {

struct ReadRecord {
    std::vector<std::string> fields;
    std::uint64_t line;
    std::string fault;  // "line:field what", empty when none

    bool operator==(const ReadRecord&) const = default;
};

std::ostream& operator<<(std::ostream& os, const ReadRecord& r) {
    os << "line " << r.line << " [";
    for (const auto& f : r.fields) os << '<' << f << '>';
    return os << "] " << r.fault;
}

void AppendRecords(const CsvRecordBatch& batch, std::vector<ReadRecord>& records) {
    for (std::size_t i = 0; i < batch.size(); ++i) {
        const auto& r = batch[i];
        ReadRecord read{{}, r.line, ""};
        for (std::size_t f = 0; f < r.fieldCount; ++f) read.fields.emplace_back(batch.Field(r, f));
        if (const CsvFault* fault = batch.Fault(r)) {
            read.fault = std::to_string(fault->line) + ":" + std::to_string(fault->field) + " " +
                         std::string(fault->what);
        }
        records.push_back(read);
    }
}

std::vector<ReadRecord> ReadAll(const std::string& text, std::size_t bufferBytes) {
    std::istringstream in(text);
    CsvReader reader(in, bufferBytes);
    CsvRecordBatch batch;
    while (reader.ReadRecord(batch)) {
    }
    std::vector<ReadRecord> records;
    AppendRecords(batch, records);
    return records;
}

// Every case also runs with buffers of a few bytes, so that fields, doubled quotes and CRLF pairs
// straddle refills.
TEST(CsvReader, ReadsRfc4180Leniently) {
    struct Case {
        std::string name;
        std::string text;
        std::vector<ReadRecord> records;
    };
    const Case cases[] = {
        {"plain with LF", "a,b\n1,2\n", {{{"a", "b"}, 1, ""}, {{"1", "2"}, 2, ""}}},
        {"CRLF, no final line end", "a,b\r\n1,2", {{{"a", "b"}, 1, ""}, {{"1", "2"}, 2, ""}}},
        {"lone CR ends lines too", "a\r1\r", {{{"a"}, 1, ""}, {{"1"}, 2, ""}}},
        {"empty fields", "a,,b,\n,c\n", {{{"a", "", "b", ""}, 1, ""}, {{"", "c"}, 2, ""}}},
        {"rows of separators only are no records, quoted or not",
         "a,b\n,\n\"\",,\n1,2\n",
         {{{"a", "b"}, 1, ""}, {{"1", "2"}, 4, ""}}},
        {"a semicolon in the first record parts the file",
         "a;b,c\n1,5;2\n",
         {{{"a", "b,c"}, 1, ""}, {{"1,5", "2"}, 2, ""}}},
        {"a tab in the first record parts the file",
         "a\tb;c\n1\t\"2\t3\"\n",
         {{{"a", "b;c"}, 1, ""}, {{"1", "2\t3"}, 2, ""}}},
        {"a separator inside quotes does not count", "\"a;b\",c;d\n", {{{"a;b", "c;d"}, 1, ""}}},
        {"a blank row before the header says nothing of the separator",
         ",,\na;b\n1;2\n",
         {{{"a", "b"}, 2, ""}, {{"1", "2"}, 3, ""}}},
        {"a first record of one field leaves the comma",
         "a\n1;2,3\n",
         {{{"a"}, 1, ""}, {{"1;2", "3"}, 2, ""}}},
        {"quoted comma, doubled quote, empty quoted",
         "\"12,000.50\",\"say \"\"hi\"\"\",\"\"\n",
         {{{"12,000.50", "say \"hi\"", ""}, 1, ""}}},
        {"line break inside quotes counts as a line",
         "\"x\r\ny\",1\n2,3\n",
         {{{"x\r\ny", "1"}, 1, ""}, {{"2", "3"}, 3, ""}}},
        {"blank lines are no records", "\n\na\n\r\n\nb\n", {{{"a"}, 3, ""}, {{"b"}, 6, ""}}},
        {"byte order mark is not field text", "\xEF\xBB\xBFperiodo\n", {{{"periodo"}, 1, ""}}},
        {"quote inside a plain field",
         "ab\"c,d\n",
         {{{"ab\"c", "d"}, 1, "1:1 comilla dentro de un campo sin comillas"}}},
        {"text after the closing quote",
         "x,\"ab\"c,d\n",
         {{{"x", "abc", "d"}, 1, "1:2 texto después de la comilla de cierre"}}},
        {"unclosed quote runs to the end, noted where it opened",
         "a\nb,\"c\nd\ne\n",
         {{{"a"}, 1, ""},
          {{"b", "c\nd\ne\n"}, 2, "2:2 comillas sin cerrar al final de la entrada"}}},
    };
    for (const auto& c : cases) {
        for (const std::size_t buffer : {1, 4, 5, 7, 1 << 18}) {
            SCOPED_TRACE(c.name + ", buffer " + std::to_string(buffer));
            EXPECT_EQ(ReadAll(c.text, buffer), c.records);
        }
    }
}

TEST(CsvReader, RemembersMarkAndLineEndForTheOutput) {
    struct Case {
        std::string text;
        bool mark;
        std::string_view lineEnd;
    };
    const Case cases[] = {
        {"a,b\r\nc,d\n", false, "\r\n"},
        {"\xEF\xBB\xBF"
         "a\n",
         true, "\n"},
        {"\xEF\xBB\xBF", true, "\n"},
        {"a", false, "\n"},
        {"\xEF\xBB", false, "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::istringstream in(c.text);
        CsvReader reader(in, 2);
        CsvRecordBatch batch;
        reader.ReadRecord(batch);
        EXPECT_EQ(reader.HadByteOrderMark(), c.mark);
        EXPECT_EQ(reader.FirstLineEnd(), c.lineEnd);
        EXPECT_FALSE(reader.Failed());
    }
}

TEST(CsvReader, OverlongRecordIsCutAndTheNextOneIsIntact) {
    const std::string huge(CsvReader::kMaxRecordBytes + 10, 'x');
    const auto records = ReadAll("a," + huge + ",b\nc,d\n", 1 << 16);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fault, "1:2 registro de más de 1 MiB");
    ASSERT_EQ(records[0].fields.size(), 1u);  // the cut field is dropped whole
    EXPECT_EQ(records[0].fields[0], "a");
    EXPECT_EQ(records[1], (ReadRecord{{"c", "d"}, 2, ""}));
}

// Fields hold no text, yet each takes a place: a record keeps at most 100,000 of them, whether it
// is the first line or one whose line end is at hand in a buffer that holds it whole.
TEST(CsvReader, RecordsOfTooManyFieldsAreCutAndTheNextOneIsIntact) {
    struct Case {
        std::string name;
        std::size_t separators;
        std::string fault;  // after the line
        std::size_t kept;
    };
    const Case cases[] = {
        {"exactly the limit", CsvReader::kMaxRecordFields - 1, "", CsvReader::kMaxRecordFields},
        {"one field more", CsvReader::kMaxRecordFields, ":100001 registro de más de 100,000 campos",
         CsvReader::kMaxRecordFields},
        {"a million", 1'000'000, ":100001 registro de más de 100,000 campos",
         CsvReader::kMaxRecordFields},
    };
    for (const auto& c : cases) {
        for (const std::string header : {"", "h\n"}) {
            SCOPED_TRACE(c.name + (header.empty() ? "" : ", after a header"));
            const std::uint64_t line = header.empty() ? 1 : 2;
            // A first field with text: a row of separators only would be blank.
            auto records =
                ReadAll(header + "x" + std::string(c.separators, ',') + "\nc,d\n", 1 << 18);
            if (!header.empty()) records.erase(records.begin());
            ASSERT_EQ(records.size(), 2u);
            EXPECT_EQ(records[0].fault, c.fault.empty() ? "" : std::to_string(line) + c.fault);
            EXPECT_EQ(records[0].fields.size(), c.kept);
            EXPECT_EQ(records[1], (ReadRecord{{"c", "d"}, line + 1, ""}));
        }
    }
}

// A pipe hands bytes over as they come, as few as one at a time.
class OneByteAtATime : public ByteSource {
  public:
    explicit OneByteAtATime(std::string text) : text_(std::move(text)) {}
    std::size_t Read(char* into, std::size_t size) override {
        if (size == 0 || next_ == text_.size()) return 0;
        *into = text_[next_++];
        return 1;
    }
    bool Failed() const override { return false; }

  private:
    std::string text_;
    std::size_t next_ = 0;
};

TEST(CsvReader, ShortReadsGiveTheSameRecordsAndMark) {
    const std::string text = "\xEF\xBB\xBFperiodo,\"a\r\nb\"\r\nx,\"\"\"y\"\r\n";
    OneByteAtATime source(text);
    CsvReader reader(source, 1 << 16);
    CsvRecordBatch batch;
    while (reader.ReadRecord(batch)) {
    }
    EXPECT_TRUE(reader.HadByteOrderMark());
    EXPECT_EQ(reader.FirstLineEnd(), "\r\n");
    ASSERT_EQ(batch.size(), 2u);
    EXPECT_EQ(batch.Field(batch[0], 0), "periodo");
    EXPECT_EQ(batch.Field(batch[0], 1), "a\r\nb");
    EXPECT_EQ(batch.Field(batch[1], 1), "\"y");
    EXPECT_EQ(ReadAll(text.substr(3), 1 << 16).size(), 2u);
}

TEST(CsvReader, FieldLineCountsQuotedLineBreaks) {
    std::istringstream in("\"a\nb\",\"c\r\nd\rx\",e\n");
    CsvReader reader(in);
    CsvRecordBatch batch;
    ASSERT_TRUE(reader.ReadRecord(batch));
    EXPECT_EQ(batch.FieldLine(batch[0], 0), 1u);
    EXPECT_EQ(batch.FieldLine(batch[0], 1), 2u);
    EXPECT_EQ(batch.FieldLine(batch[0], 2), 4u);
}

// A stream whose device fails after some text, as a disk or a pipe can.
class FailingBuffer : public std::streambuf {
  public:
    explicit FailingBuffer(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

  protected:
    int_type underflow() override { throw std::ios_base::failure("device error"); }

  private:
    std::string text_;
};

TEST(CsvReader, ReadErrorIsToldApartFromTheEnd) {
    FailingBuffer buffer("a,b\n1,2\n");
    std::istream in(&buffer);
    CsvReader reader(in, 4);
    CsvRecordBatch batch;
    while (reader.ReadRecord(batch)) {
    }
    EXPECT_TRUE(reader.Failed());
    EXPECT_EQ(batch.size(), 2u);
}

// A writer that sends each piece and then waits for the answer: the reader may read a piece
// only once the record before it was handed over.
class WaitingWriter : public ByteSource {
  public:
    explicit WaitingWriter(std::vector<std::string> pieces) : pieces_(std::move(pieces)) {}
    std::size_t Read(char* into, std::size_t size) override {
        if (next_ == pieces_.size() || size == 0) return 0;
        if (WouldWait()) readWhileWaiting_ = true;  // a real pipe would block here for ever
        const auto& piece = pieces_[next_];
        const auto n = std::min(size, piece.size() - offset_);
        piece.copy(into, n, offset_);
        offset_ += n;
        if (offset_ == piece.size()) {
            ++next_;
            offset_ = 0;
            paused_ = true;
        }
        return n;
    }
    bool WouldWait() const override { return paused_ && next_ < pieces_.size(); }
    bool Failed() const override { return false; }
    void Answered() { paused_ = false; }
    bool ReadWhileWaiting() const { return readWhileWaiting_; }

  private:
    std::vector<std::string> pieces_;
    std::size_t next_ = 0;
    std::size_t offset_ = 0;
    bool paused_ = false;
    bool readWhileWaiting_ = false;
};

// After a CR with nothing more sent, the record is handed over without waiting for the next
// byte; a LF that comes later belongs to that line end, not to an empty line.
TEST(CsvReader, ALineEndIsNeverWaitedFor) {
    struct Case {
        const char* name;
        std::vector<std::string> pieces;
        std::vector<std::uint64_t> lines;  // of the records, one per piece
        std::string_view firstLineEnd;
    };
    const Case cases[] = {
        {"CR", {"h\r", "1\r", "2\r"}, {1, 2, 3}, "\r"},
        {"CRLF split after the CR", {"h\r", "\n1\r", "\n2\r"}, {1, 2, 3}, "\r"},
        {"CRLF", {"h\r\n", "1\r\n", "2\r\n"}, {1, 2, 3}, "\r\n"},
        {"LF", {"h\n", "1\n", "2\n"}, {1, 2, 3}, "\n"},
        {"an empty line after a CR", {"h\r", "\r1\r"}, {1, 3}, "\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WaitingWriter writer(c.pieces);
        CsvReader reader(writer);
        CsvRecordBatch batch;
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            writer.Answered();
            ASSERT_TRUE(reader.ReadRecord(batch));
            EXPECT_FALSE(writer.ReadWhileWaiting()) << "record " << i;
            EXPECT_EQ(batch[i].line, c.lines[i]);
        }
        writer.Answered();
        EXPECT_FALSE(reader.ReadRecord(batch));
        EXPECT_EQ(reader.FirstLineEnd(), c.firstLineEnd);
    }
}

// Blocks, too, are handed over as soon as a record has ended, without waiting to see what follows
// a CR; each block knows the line it starts on.
TEST(CsvReader, ABlockIsNeverHeldForALineEnd) {
    struct Case {
        const char* name;
        std::vector<std::string> pieces;  // the header, then a record each
        std::vector<std::uint64_t> lines;
    };
    const Case cases[] = {
        {"CR", {"h\r", "1\r", "2\r"}, {2, 3}},
        {"CRLF split after the CR", {"h\r", "\n1\r", "\n2\r"}, {2, 3}},
        {"LF", {"h\n", "1\n", "2\n"}, {2, 3}},
        {"an empty line after a CR", {"h\r", "\r1\r"}, {3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WaitingWriter writer(c.pieces);
        CsvReader reader(writer);
        CsvRecordBatch batch;
        writer.Answered();
        ASSERT_TRUE(reader.ReadRecord(batch));
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            CsvBlock block;
            EXPECT_EQ(reader.ReadBlock(block, 4096, 1 << 19, false),
                      CsvReader::BlockEnd::kNothingReady);
            writer.Answered();
            // After the last piece the writer closes the pipe.
            EXPECT_EQ(
                reader.ReadBlock(block, 4096, 1 << 19, false),
                i + 1 < c.lines.size() ? CsvReader::BlockEnd::kWaiting : CsvReader::BlockEnd::kEnd);
            EXPECT_FALSE(writer.ReadWhileWaiting());
            CsvReader blockReader(block, ',');
            batch.Clear();
            ASSERT_TRUE(blockReader.ReadRecord(batch));
            EXPECT_EQ(batch[0].line, c.lines[i]);
            EXPECT_FALSE(blockReader.ReadRecord(batch));
        }
        CsvBlock block;
        EXPECT_EQ(reader.ReadBlock(block, 4096, 1 << 19, false), CsvReader::BlockEnd::kEnd);
        EXPECT_TRUE(block.Empty());
    }
}

// A pipe that hands over at most so many bytes at a time.
class ShortReads : public ByteSource {
  public:
    ShortReads(std::string text, std::size_t most) : text_(std::move(text)), most_(most) {}
    std::size_t Read(char* into, std::size_t size) override {
        const auto n = text_.copy(into, std::min(size, most_), next_);
        next_ += n;
        return n;
    }
    bool Failed() const override { return false; }

  private:
    std::string text_;
    std::size_t most_;
    std::size_t next_ = 0;
};

struct BlockLimits {
    std::size_t buffer;
    std::size_t read;  // the most a read gives
    std::size_t lineEnds;
    std::size_t bytes;
};

// The header as ReadRecord reads it, then the rest cut into blocks, each parsed by a reader of its
// own; a record too long for the buffer is read with ReadRecord, as the batch does.
std::vector<ReadRecord> ReadInBlocks(const std::string& text, const BlockLimits& limits) {
    ShortReads source(text, limits.read);
    CsvReader reader(source, limits.buffer);
    CsvRecordBatch batch;
    std::vector<ReadRecord> records;
    if (!reader.ReadRecord(batch, CsvReader::AfterLongRecord::kStop)) return records;
    AppendRecords(batch, records);
    for (;;) {
        CsvBlock block;
        const auto end = reader.ReadBlock(block, limits.lineEnds, limits.bytes, true);
        EXPECT_NE(end, CsvReader::BlockEnd::kNothingReady);
        EXPECT_TRUE(end == CsvReader::BlockEnd::kLongRecord || !block.Empty() ||
                    end == CsvReader::BlockEnd::kEnd);
        batch.Clear();
        if (end == CsvReader::BlockEnd::kLongRecord) {
            EXPECT_TRUE(block.Empty());
            reader.ReadRecord(batch);
        }
        CsvReader blockReader(block, reader.Separator());
        while (blockReader.ReadRecord(batch)) {
        }
        AppendRecords(batch, records);
        if (end == CsvReader::BlockEnd::kEnd) return records;
    }
}

// Cut into blocks anywhere a record ends, whatever the sizes of the buffer, the reads and the
// blocks, the records are the ones ReadRecord reads: the same fields, lines and faults.
TEST(CsvReader, BlocksHoldTheRecordsReadRecordReads) {
    const std::string texts[] = {
        "a,b\n1,2\n3,4\n",
        "a,b\r\n1,2\r\n\r\n3,4",
        "a\r1\r\r2\r",
        "a,b\n,\n\"\",,\n1,2\n",
        "a;b\n1,\"5;2\";\"x\"\n1,\"5;2\n\"\"\n",  // a quote after a comma is text
        "h\n\"12,000.50\",\"say \"\"hi\"\"\",\"\"\n\"\"\"\"\n",
        "h\n\"x\r\ny\",1\n\"a\rb\r\",\"\n\n\"\r2,3\r\n",
        "h\nab\"c,d\ne\"\nf\"\n",                   // quotes inside plain fields open nothing
        "h\nx,\"ab\"c,\"d\nq\"\n\"a\" \"b\nc\"\n",  // text after a closing quote
        "h\nb,\"c\nd\ne\n",                         // an unclosed quote runs to the end
        "h\n1,2\r",
        "h\n\n\n\r\n\r\r1\n",
        "h\n" + std::string(50, 'x') + "\n1\n\"" + std::string(40, ',') + "\n\"\n2\n",
    };
    const BlockLimits limits[] = {
        {1 << 16, 1 << 16, 4096, 1 << 19},
        {1 << 16, 1, 4096, 1 << 19},
        {1 << 16, 5, 1, 1},
        {1 << 16, 3, 2, 7},
        {16, 16, 4096, 1 << 19},
        {16, 1, 3, 20},
        {4, 3, 1, 1 << 19},
        {7, 7, 4096, 1},
    };
    for (const auto& text : texts) {
        const auto expected = ReadAll(text, 1 << 16);
        for (const auto& l : limits) {
            SCOPED_TRACE(testing::Message()
                         << text << " buffer " << l.buffer << ", reads of " << l.read
                         << ", blocks of " << l.lineEnds << " line ends, " << l.bytes << " bytes");
            EXPECT_EQ(ReadInBlocks(text, l), expected);
        }
    }
}

// Up to 40 bytes from those that matter to where records and fields end, and bytes that differ
// from a quote, LF or CR only in their high bit.
std::string RandomText(std::mt19937& random) {
    constexpr std::string_view kBytes = "a,;\"\"\n\r \xA2\x8A\x8D";
    std::uniform_int_distribution<std::size_t> byte(0, kBytes.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    std::string text;
    for (std::size_t n = length(random); n > 0; --n) text += kBytes[byte(random)];
    return text;
}

// A record whose line end is at hand is read in one pass; read a byte at a time, none is. Both
// must give the same records, faults and first line end.
TEST(CsvReader, RandomTextsReadWholeOrAByteAtATimeGiveTheSameRecords) {
    std::mt19937 random(2017);
    for (int i = 0; i < 4000; ++i) {
        const std::string text = "h,i\n" + RandomText(random) + "\nx,y\n" + RandomText(random);
        SCOPED_TRACE(testing::PrintToString(text));
        std::istringstream whole(text);
        OneByteAtATime bytes(text);
        CsvReader readers[] = {CsvReader(whole, 1 << 16), CsvReader(bytes, 1 << 16)};
        std::vector<ReadRecord> records[2];
        std::string quotes[2];  // which fields had quotes
        for (int r = 0; r < 2; ++r) {
            CsvRecordBatch batch;
            while (readers[r].ReadRecord(batch)) {
            }
            AppendRecords(batch, records[r]);
            for (std::size_t k = 0; k < batch.size(); ++k, quotes[r] += '|') {
                for (std::size_t f = 0; f < batch[k].fieldCount; ++f) {
                    quotes[r] += batch.FieldHadQuotes(batch[k], f) ? 'q' : '-';
                }
            }
        }
        ASSERT_EQ(records[0], records[1]);
        ASSERT_EQ(quotes[0], quotes[1]);
        ASSERT_EQ(readers[0].FirstLineEnd(), readers[1].FirstLineEnd());
    }
}

// Cut into blocks, random texts give the records ReadRecord reads.
TEST(CsvReader, BlocksOfRandomTextsHoldTheRecordsReadRecordReads) {
    std::mt19937 random(2016);
    std::uniform_int_distribution<std::size_t> small(1, 9);
    // Large enough, at times, for records to be searched for a word at a time.
    std::uniform_int_distribution<std::size_t> large(4, 64);
    for (int i = 0; i < 4000; ++i) {
        const std::string text = RandomText(random);
        const BlockLimits limits{i % 2 == 0 ? small(random) + 3 : large(random),
                                 i % 2 == 0 ? small(random) : large(random), small(random),
                                 small(random) * 3};
        SCOPED_TRACE(testing::Message()
                     << testing::PrintToString(text) << " buffer " << limits.buffer << ", reads of "
                     << limits.read << ", blocks of " << limits.lineEnds << " line ends, "
                     << limits.bytes << " bytes");
        ASSERT_EQ(ReadInBlocks(text, limits), ReadAll(text, 1 << 16));
    }
}

// Bytes for ever, one kind of byte: /dev/zero, or a separator that never stops.
class Endless : public ByteSource {
  public:
    explicit Endless(char byte) : byte_(byte) {}
    std::size_t Read(char* into, std::size_t size) override {
        std::fill_n(into, size, byte_);
        given_ += size;
        return size;
    }
    bool Failed() const override { return false; }
    std::size_t Given() const { return given_; }

  private:
    char byte_;
    std::size_t given_ = 0;
};

// A record that must not be read past its limit (a header) stops the reading there.
TEST(CsvReader, ARecordThatNeverEndsStopsAtTheLimit) {
    for (const char byte : {'\0', ',', 'x'}) {
        SCOPED_TRACE(static_cast<int>(byte));
        Endless source(byte);
        CsvReader reader(source);
        CsvRecordBatch batch;
        ASSERT_TRUE(reader.ReadRecord(batch, CsvReader::AfterLongRecord::kStop));
        ASSERT_NE(batch.Fault(batch[0]), nullptr);
        EXPECT_EQ(batch.Fault(batch[0])->what, "registro de más de 1 MiB");
        EXPECT_LE(source.Given(), CsvReader::kMaxRecordBytes + CsvReader::kDefaultBufferBytes);
        EXPECT_FALSE(reader.ReadRecord(batch));
    }
}

// Which fields had quotes, field by field ("q" had, "-" had not), whatever the buffer's size:
// the batch writes the others back without looking at them.
TEST(CsvReader, TellsWhichFieldsHadQuotes) {
    struct Case {
        std::string text;
        std::vector<std::string> fields;  // per record
    };
    const Case cases[] = {
        {"a,b,c\n", {"---"}},
        {"a,\"b\",c\n", {"-q-"}},
        {"\"\",,\"x,y\"\n", {"q-q"}},
        {"ab\"c,d\n", {"q-"}},                 // a quote inside an unquoted field
        {"\"a\"b,c\n", {"q-"}},                // text after the closing quote
        {"a;\"b;c\";d\n", {"-q-"}},            // the file's separator is ";"
        {"a,b\n,,\n\"x\",y\n", {"--", "q-"}},  // a blank row between takes no places
        {"a\r\n\"b\r\nc\"\r\nd\r\n", {"-", "q", "-"}},
    };
    for (const Case& c : cases) {
        for (const std::size_t bufferBytes : {std::size_t{3}, std::size_t{4096}}) {
            SCOPED_TRACE(c.text + " buffer " + std::to_string(bufferBytes));
            std::istringstream in(c.text);
            CsvReader reader(in, bufferBytes);
            CsvRecordBatch batch;
            while (reader.ReadRecord(batch)) {
            }
            std::vector<std::string> had;
            for (std::size_t i = 0; i < batch.size(); ++i) {
                std::string fields;
                for (std::size_t f = 0; f < batch[i].fieldCount; ++f) {
                    fields += batch.FieldHadQuotes(batch[i], f) ? 'q' : '-';
                }
                had.push_back(fields);
                // Walking the fields in order gives each one's text and quotes alike.
                std::size_t f = 0;
                batch.ForEachField(batch[i], batch[i].fieldCount,
                                   [&](std::string_view text, bool quotes) {
                                       EXPECT_EQ(text, batch.Field(batch[i], f));
                                       EXPECT_EQ(quotes, batch.FieldHadQuotes(batch[i], f));
                                       ++f;
                                   });
                EXPECT_EQ(f, batch[i].fieldCount);
            }
            EXPECT_EQ(had, c.fields);
        }
    }
}

// What ends a run of field text is found at every place of fields up to 24 bytes long, in quotes
// and out, and a byte that ends none is kept.
TEST(CsvReader, FindsWhereARunEndsAtEveryPlace) {
    for (std::size_t length = 1; length <= 24; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            for (const char special : {',', '\n', ';', '\t'}) {
                std::string text;
                for (std::size_t k = 0; k < length; ++k) text += static_cast<char>('c' + k % 20);
                text[at] = special;
                const auto before = text.substr(0, at);
                const auto after = text.substr(at + 1);
                SCOPED_TRACE(testing::Message() << length << " bytes, byte " << at << " is "
                                                << static_cast<int>(special));
                // The header decides the separator: ";" and tabs are text after it.
                std::vector<std::vector<std::string>> plain{{"a", "b"}};
                if (special == ',') {
                    plain.push_back({"x" + before, after});
                } else if (special == '\n') {
                    plain.push_back({"x" + before});
                    if (!after.empty()) plain.push_back({after});
                } else {
                    plain.push_back({"x" + text});
                }
                const std::vector<std::vector<std::string>> quoted{{"a", "b"}, {text, "y"}};
                for (const auto& [input, expected] :
                     {std::pair{"a,b\nx" + text + "\n", plain},
                      std::pair{"a,b\n\"" + text + "\",y\n", quoted}}) {
                    std::vector<std::vector<std::string>> fields;
                    for (const auto& record : ReadAll(input, 4096)) fields.push_back(record.fields);
                    EXPECT_EQ(fields, expected) << input;
                }
            }
        }
    }
}

}  // namespace
}  // namespace isr
