// SPDX-License-Identifier: MIT
#include "batch/batch_chunk.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tariffs/table_sets.h"

namespace isr {
namespace {

struct Processed {
    std::string out;
    std::string messages;
    BatchSummary summary;
};

Processed Process(const std::string& input, RowFigures figures) {
    std::istringstream in(input);
    CsvReader reader(in);
    std::string problem;
    const auto layout = ReadBatchHeader(reader, problem);
    EXPECT_TRUE(layout) << problem;
    BatchChunk chunk;
    while (reader.ReadRecord(chunk.records)) {
    }
    RowScratch scratch;
    ProcessChunk(DefaultTableSet(), *layout, "\n", "> ", figures, chunk, scratch);
    return {std::string(chunk.out.View()), chunk.messages, chunk.summary};
}

// A batch without a summary only counts its rows: the same output, messages and counts, and the
// sums only where they are asked for.
TEST(ProcessChunk, CountsEveryRowAndSumsOnlyWhenAsked) {
    const std::string input =
        "periodo,ingreso_gravable\nMensual,\"3,000.00\"\nSemanal,abc\nMensual,10000\n";
    const auto summed = Process(input, RowFigures::kSummed);
    const auto counted = Process(input, RowFigures::kCounted);
    EXPECT_EQ(counted.out, summed.out);
    EXPECT_EQ(counted.messages, summed.messages);
    for (const auto* processed : {&summed, &counted}) {
        EXPECT_EQ(processed->summary.Rows(), 3U);
        EXPECT_EQ(processed->summary.BadRows(), 1U);
        EXPECT_EQ(processed->summary.FirstMessages().size(), 1U);
    }
    // The determined taxes of 3,000.00 and 10,000.00 a month: 169.77 and 1,037.15.
    EXPECT_EQ(summed.summary.Total(0), Cents::FromCount(16977 + 103715));
    EXPECT_EQ(counted.summary.Total(0), Cents{});
}

}  // namespace
}  // namespace isr
