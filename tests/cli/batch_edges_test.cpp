// SPDX-License-Identifier: MIT
// The batch at its edges: rows shorter than the header, the line a message names when a quoted
// field holds a line break, the size at which a record is cut, and the progress line's total.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/csv_batch.h"
#include "cli/exit_status.h"

namespace isr::cli {
namespace {

struct Outcome {
    std::vector<std::vector<std::string>> rows;  // the output, header first
    std::string err;
};

Outcome Batch(const std::string& input, unsigned workers = 0, std::size_t chunkRecords = 4096,
              ProgressLine* progress = nullptr) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CsvReader reader(in);
    const auto layout = ReadBatchHeader(reader, err);
    EXPECT_TRUE(layout) << err.str();
    if (!layout) return {};
    RunBatch(reader, *layout, out, err, {workers, chunkRecords, progress});
    std::istringstream written(out.str());
    CsvReader parse(written);
    CsvRecordBatch batch;
    Outcome outcome{{}, err.str()};
    while (parse.ReadRecord(batch)) {
        const auto& record = batch[batch.size() - 1];
        auto& row = outcome.rows.emplace_back();
        for (std::size_t i = 0; i < record.fieldCount; ++i)
            row.emplace_back(batch.Field(record, i));
    }
    return outcome;
}

constexpr std::size_t kResultColumns = 12;  // nine boxes, the two a clerk reports, the error

// A short row passes through the fields it has and leaves the rest empty; nothing of the record
// after it leaks into its missing columns.
TEST(BatchEdges, AShortRowsMissingColumnsStayEmpty) {
    struct Case {
        std::string shortRow;
        std::vector<std::string> passedThrough;
    };
    const Case cases[] = {
        {"a", {"a", "", "", ""}},
        {"a,mensual", {"a", "mensual", "", ""}},
        {"a,mensual,100", {"a", "mensual", "100", ""}},
        {"\"a\nb\",mensual", {"a\nb", "mensual", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shortRow);
        for (const unsigned workers : {0u, 2u}) {
            const auto r = Batch("id,periodo,ingreso_gravable,suma_subsidio\n" + c.shortRow +
                                     "\nnext,semanal,999,7\n" + c.shortRow + "\n",
                                 workers);
            ASSERT_EQ(r.rows.size(), 4u);
            for (const std::size_t row : {1u, 3u}) {
                ASSERT_EQ(r.rows[row].size(), 4 + kResultColumns);
                const std::vector<std::string> passed(r.rows[row].begin(), r.rows[row].begin() + 4);
                EXPECT_EQ(passed, c.passedThrough) << "row " << row;
                EXPECT_NE(r.rows[row].back().find("falta el campo"), std::string::npos);
            }
            EXPECT_EQ(r.rows[2][0], "next");
        }
    }
}

// A message names the line on which its field starts, or for a missing field the line on which
// the row ends: quoted line breaks before it push it down.
TEST(BatchEdges, MessagesNameTheLineAfterQuotedLineBreaks) {
    struct Case {
        std::string row;  // the first after the header, on line 2
        std::string message;
    };
    const Case cases[] = {
        {"1,\"men\nsual\"",
         "línea 3, columna 3 (ingreso_gravable): falta el campo (la fila tiene 2 campos y el "
         "encabezado 4)"},
        {"\"1\n\n\",mensual",
         "línea 4, columna 3 (ingreso_gravable): falta el campo (la fila tiene 2 campos y el "
         "encabezado 4)"},
        {"\"1\r\n\",mensual,100",
         "línea 3, columna 4 (suma_subsidio): falta el campo (la fila tiene 3 campos y el "
         "encabezado 4)"},
        {"1,mensual,100,\"\n\",x",
         "línea 3, columna 5: campo de más (la fila tiene 5 campos y el encabezado 4)"},
        {"1,mensual,100,,\"a\nb\",c",
         "línea 2, columna 5: campo de más (la fila tiene 6 campos y el encabezado 4)"},
        {"\"\n\n\",mensual,x,", "línea 4, columna 3 (ingreso_gravable): no es un importe: \"x\""},
        // A CR LF pair is one line break, also at a field's start; a CR that ends a field is
        // one even when the next field starts with an LF.
        {"\"\r\n1\",mensual",
         "línea 3, columna 3 (ingreso_gravable): falta el campo (la fila tiene 2 campos y el "
         "encabezado 4)"},
        {"\"1\r\",\"\n\",100",
         "línea 4, columna 4 (suma_subsidio): falta el campo (la fila tiene 3 campos y el "
         "encabezado 4)"},
        // Any byte after a closing quote is out of place, a NUL too.
        {std::string("1,\"mensual\"\0,100,", 17),
         "línea 2, columna 2 (periodo): texto después de la comilla de cierre"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const auto r = Batch("id,periodo,ingreso_gravable,suma_subsidio\n" + c.row + "\n");
        ASSERT_EQ(r.rows.size(), 2u);
        EXPECT_EQ(r.rows[1].back(), c.message);
    }
}

// A record is kept whole up to 1 MiB (1,048,576 bytes) with its line end, each field counting
// its separator; one byte more and it is cut and marked. (The output of such a row is itself
// over the limit, so the message is looked for on the error stream.)
TEST(BatchEdges, ARecordOfOneMebibyteIsKeptAndOneByteMoreIsCut) {
    constexpr std::size_t kMebibyte = 1'048'576;
    struct Case {
        std::size_t recordBytes;  // "id,mensual,<digits>\n"
        bool cut;
    };
    const Case cases[] = {{kMebibyte - 1, false}, {kMebibyte, false}, {kMebibyte + 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.recordBytes);
        const std::string prefix = "id,mensual,";
        // Leading zeros: still the amount 1.
        const std::string amount = std::string(c.recordBytes - prefix.size() - 2, '0') + "1";
        const auto r = Batch("id,periodo,ingreso_gravable\n" + prefix + amount + "\nb,mensual,2\n");
        EXPECT_EQ(r.err, c.cut ? "isr2016-cli: línea 2, columna 3 (ingreso_gravable): registro "
                                 "de más de 1 MiB\n"
                               : "");
        ASSERT_EQ(r.rows.size(), 3u);
        EXPECT_EQ(r.rows[2][0], "b");  // the next record is intact
        EXPECT_EQ(r.rows[2].back(), "");
    }
}

// The last figure the progress line shows is the number of records, bad ones included.
TEST(BatchEdges, TheProgressLineEndsWithEveryRowCounted) {
    struct Case {
        std::size_t rows;
        unsigned workers;
        std::size_t chunkRecords;
    };
    // A chunk of 0 records is taken as 1.
    const Case cases[] = {{1, 0, 4096}, {7, 0, 2}, {7, 3, 2}, {12, 2, 5}, {4, 0, 0}, {4, 2, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, " << c.workers << " workers, "
                                        << c.chunkRecords << " a chunk");
        std::string input = "periodo,ingreso_gravable\n";
        for (std::size_t i = 0; i < c.rows; ++i) input += i % 3 == 1 ? "mensual,x\n" : "anual,1\n";
        std::ostringstream terminal;
        ProgressLine progress(terminal, std::chrono::seconds(0));
        const auto r = Batch(input, c.workers, c.chunkRecords, &progress);
        EXPECT_EQ(r.rows.size(), c.rows + 1);
        // The final figures on a line of their own, padded to cover a longer earlier figure.
        const auto shown = terminal.str();
        ASSERT_TRUE(shown.ends_with("\n")) << shown;
        const auto last = shown.substr(shown.rfind('\r') + 1);
        EXPECT_TRUE(last.starts_with(std::to_string(c.rows) + " filas, ")) << shown;
        EXPECT_NE(last.find(" filas/s"), std::string::npos) << shown;
    }
}

}  // namespace
}  // namespace isr::cli
