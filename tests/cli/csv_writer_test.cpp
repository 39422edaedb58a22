// SPDX-License-Identifier: MIT
#include "cli/csv_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/csv_reader.h"

namespace isr::cli {
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        std::string out = "x";
        {
            CsvRecordWriter writer(out, "\r\n");
            writer.Field("a");
            writer.Field(c.field);
            writer.EndRecord();
        }
        EXPECT_EQ(out, "xa," + std::string(c.written) + "\r\n");
    }
}

// Whatever a field holds, the reader gets back exactly what the writer was given.
TEST(CsvRecordWriter, ReaderReadsBackEveryField) {
    const std::vector<std::vector<std::string>> records = {
        {"", "", ""},
        {"\"", ",", "\r\n", "\n\n", "a\"\"b"},
        {std::string(10000, ','), "end"},
    };
    std::string text;
    {
        CsvRecordWriter writer(text, "\n");
        for (const auto& record : records) {
            for (const auto& field : record) writer.Field(field);
            writer.EndRecord();
        }
    }
    std::istringstream in(text);
    CsvReader reader(in, 64);
    CsvRecordBatch batch;
    for (const auto& record : records) {
        ASSERT_TRUE(reader.ReadRecord(batch));
        const auto& read = batch[batch.size() - 1];
        EXPECT_FALSE(read.fault);
        ASSERT_EQ(read.fieldCount, record.size());
        for (std::size_t i = 0; i < record.size(); ++i) EXPECT_EQ(batch.Field(read, i), record[i]);
    }
    EXPECT_FALSE(reader.ReadRecord(batch));
}

}  // namespace
}  // namespace isr::cli
