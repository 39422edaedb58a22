// SPDX-License-Identifier: MIT
#include "batch/csv_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "batch/csv_reader.h"

namespace isr {
namespace {

TEST(CsvRecordWriter, QuotesOnlyWhatNeedsIt) {
    struct Case {
        std::string_view field;
        std::string_view written;
    };
    const Case cases[] = {
        {"", ""},
        {"-236.85", "-236.85"},
        {"2,503.92", "\"2,503.92\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {" spaces stay ", " spaces stay "},
        {"Pérez", "Pérez"},
        // Longer fields are scanned eight bytes at a time: what needs quotes may sit in any word.
        {"abcdefgh,ij", "\"abcdefgh,ij\""},
        {"12345678\"9", "\"12345678\"\"9\""},
        {"0123456789abcdef\r", "\"0123456789abcdef\r\""},
        {"0123456789abcdefg", "0123456789abcdefg"},
        {"\"quoted words\" and more", "\"\"\"quoted words\"\" and more\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        ByteBuffer out;
        out.Append("x", 1);
        CsvRecordWriter writer(out, "\r\n");
        writer.Field("a");
        writer.Field(c.field);
        writer.EndRecord();
        EXPECT_EQ(out.View(), "xa," + std::string(c.written) + "\r\n");
    }
}

// A file parted by ";" or tabs is answered in kind: the separator parts the fields and is quoted
// inside one, in a short field as in a long one.
TEST(CsvRecordWriter, PartsFieldsWithTheInputsSeparator) {
    struct Case {
        char separator;
        std::string_view field;
        std::string_view written;
    };
    const Case cases[] = {
        {';', "a;b", "\"a;b\""},    {';', "abcdefgh;ij", "\"abcdefgh;ij\""},
        {';', "a\tb", "a\tb"},      {';', "1,5", "\"1,5\""},
        {'\t', "a\tb", "\"a\tb\""}, {'\t', "abcdefghijklmnop\t", "\"abcdefghijklmnop\t\""},
        {'\t', "a;b", "a;b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.separator) + " " + std::string(c.field));
        ByteBuffer out;
        CsvRecordWriter writer(out, "\n", c.separator);
        writer.Field("a");
        writer.Field(c.field);
        writer.AmountField(AmountText(*Cents::FromCount(100'000)));
        writer.EndRecord();
        const std::string sep(1, c.separator);
        EXPECT_EQ(out.View(), "a" + sep + std::string(c.written) + sep + "\"1,000.00\"\n");
    }
}

// Short fields are tested in overlapping words or by a few of their bytes: a character that needs
// quotes is found at every place of every length up to three words, and a field without one is
// copied as it is. Its bytes differ, so that one copied to the wrong place shows (the last word
// of a quoted field is copied over the one before).
TEST(CsvRecordWriter, FindsWhatNeedsQuotesAtEveryPlace) {
    for (std::size_t length = 0; length <= 24; ++length) {
        for (std::size_t at = 0; at <= length; ++at) {
            for (const char special : {',', '"', '\n', '\r', 'b'}) {
                std::string field;
                for (std::size_t k = 0; k < length; ++k) field += static_cast<char>('c' + k % 20);
                if (at < length) field[at] = special;
                const bool quoted = at < length && special != 'b';
                SCOPED_TRACE(testing::Message() << length << " bytes, byte " << at << " is "
                                                << static_cast<int>(special));
                ByteBuffer out;
                CsvRecordWriter writer(out, "\n");
                writer.Field("x");
                writer.Field(field);
                if (special == '"' && quoted) field.insert(at, 1, '"');
                EXPECT_EQ(out.View(), quoted ? "x,\"" + field + '"' : "x," + field);
            }
        }
    }
}

// An amount needs quotes exactly when it has group separators.
TEST(CsvRecordWriter, AmountsAreQuotedWhenGrouped) {
    struct Case {
        std::int64_t cents;
        std::string_view written;
    };
    const Case cases[] = {
        {0, "0.00"},
        {99'999, "999.99"},
        {-99'999, "-999.99"},
        {100'000, "\"1,000.00\""},
        {-100'000, "\"-1,000.00\""},
        {999'999'999'999, "\"9,999,999,999.99\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        ByteBuffer out;
        CsvRecordWriter writer(out, "\n");
        writer.AmountField(AmountText(*Cents::FromCount(c.cents)));
        writer.Field("next");
        EXPECT_EQ(out.View(), std::string(c.written) + ",next");
    }
}

// Whatever a field holds, the reader gets back exactly what the writer was given.
TEST(CsvRecordWriter, ReaderReadsBackEveryField) {
    const std::vector<std::vector<std::string>> records = {
        {"", "", "x"},
        {"\"", ",", "\r\n", "\n\n", "a\"\"b"},
        {std::string(10000, ','), "end"},
    };
    ByteBuffer text;
    CsvRecordWriter writer(text, "\n");
    for (const auto& record : records) {
        for (const auto& field : record) writer.Field(field);
        writer.EndRecord();
    }
    std::istringstream in(std::string(text.View()));
    CsvReader reader(in, 64);
    CsvRecordBatch batch;
    for (const auto& record : records) {
        ASSERT_TRUE(reader.ReadRecord(batch));
        const auto& read = batch[batch.size() - 1];
        EXPECT_EQ(batch.Fault(read), nullptr);
        ASSERT_EQ(read.fieldCount, record.size());
        for (std::size_t i = 0; i < record.size(); ++i) EXPECT_EQ(batch.Field(read, i), record[i]);
    }
    EXPECT_FALSE(reader.ReadRecord(batch));
}

// A record written in one piece of room holds the bytes the field-by-field writer writes, after
// a record written the other way: quotes, doubled quotes, separators, amounts and written fields.
TEST(CsvRowWriter, WritesWhatTheRecordWriterWrites) {
    const std::string_view texts[] = {"",
                                      "a",
                                      "a,b",
                                      "\"",
                                      "say \"hi\" twice \"\"",
                                      "x;y",
                                      "l\r\nm",
                                      "a longer field of plain text, past a word"};
    const Cents amounts[] = {Cents{}, *Cents::FromCount(99'999), *Cents::FromCount(100'000),
                             *Cents::FromCount(-123'456'789), Cents::Largest()};
    for (const char separator : {',', ';', '\t'}) {
        ByteBuffer byField;
        ByteBuffer byRow;
        CsvRecordWriter fieldWriter(byField, "\r\n", separator);
        CsvRecordWriter rowWriter(byRow, "\r\n", separator);
        for (CsvRecordWriter* writer : {&fieldWriter, &rowWriter}) {
            writer->Field("first record");
            writer->EndRecord();
        }
        CsvRowWriter row(rowWriter, 1'000);
        for (const auto text : texts) {
            fieldWriter.Field(text);
            row.Field(text);
            fieldWriter.UnquotedField("plain");
            row.UnquotedField("plain");
        }
        for (const Cents amount : amounts) {
            fieldWriter.AmountField(AmountText(amount));
            row.AmountField(AmountText(amount));
        }
        fieldWriter.Field("w");
        fieldWriter.AmountField(AmountText(*Cents::FromCount(100'000)));
        row.WrittenFields(std::string("w") + separator + "\"1,000.00\"" + separator);
        fieldWriter.EndRecord();
        row.EndRecord();
        SCOPED_TRACE(separator);
        EXPECT_EQ(byRow.View(), byField.View());
    }
}

}  // namespace
}  // namespace isr
