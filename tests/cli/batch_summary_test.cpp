// SPDX-License-Identifier: MIT
// --resumen and the summary behind it: counts and sums that agree with the rows written.
#include "batch/batch_summary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "batch/csv_reader.h"
#include "cli/csv_batch.h"
#include "cli/exit_status.h"
#include "run_in_memory.h"

namespace isr::cli {
namespace {

// "-1,234.56" as a count of cents, read digit by digit; "0" and "" are zero.
std::int64_t CentsOf(std::string_view text) {
    std::int64_t count = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') count = count * 10 + (c - '0');
    }
    if (text.find('.') == std::string_view::npos) count *= 100;
    return text.starts_with('-') ? -count : count;
}

// "1234567" cents as "12,345.67", the sums' form.
std::string Grouped(std::int64_t cents) {
    const bool negative = cents < 0;
    if (negative) cents = -cents;
    std::string whole = std::to_string(cents / 100);
    for (auto at = whole.size(); at > 3; at -= 3) whole.insert(at - 3, ",");
    const auto hundredths = std::to_string(100 + cents % 100).substr(1);
    return (negative ? "-" : "") + whole + "." + hundredths;
}

// The summary's lines as --resumen would give them, figured from the output rows: the sum of
// each named column over the rows with an empty error.
std::string SummaryOf(const std::string& output, const std::vector<std::string>& columns,
                      const std::vector<std::string>& captions) {
    std::istringstream in(output);
    CsvReader reader(in);
    CsvRecordBatch batch;
    reader.ReadRecord(batch);
    std::map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < batch[0].fieldCount; ++i)
        index[std::string(batch.Field(batch[0], i))] = i;
    std::vector<std::int64_t> sums(columns.size());
    std::uint64_t rows = 0;
    std::uint64_t bad = 0;
    for (std::size_t r = 1; reader.ReadRecord(batch); ++r) {
        ++rows;
        if (!batch.Field(batch[r], index.at("error")).empty()) {
            ++bad;
            continue;
        }
        for (std::size_t c = 0; c < columns.size(); ++c) {
            sums[c] += CentsOf(batch.Field(batch[r], index.at(columns[c])));
        }
    }
    std::string lines =
        "filas: " + std::to_string(rows) + "\nfilas con error: " + std::to_string(bad) + '\n';
    for (std::size_t c = 0; c < captions.size(); ++c) {
        lines += captions[c] + ": " + Grouped(sums[c]) + '\n';
    }
    return lines;
}

const std::vector<std::string> kBoxColumns = {"isr_impuesto_determinado", "subsidio",
                                              "procedimiento_2016", "isr_a_retener",
                                              "subsidio_a_entregar"};
const std::vector<std::string> kBoxCaptions = {"Impuesto Determinado", "Subsidio para el Empleo",
                                               "Procedimiento 2016", "ISR a Retener",
                                               "Subsidio a Entregar"};

TEST(BatchSummary, ResumenSumsTheGoodRowsAsWritten) {
    struct Case {
        const char* name;
        std::vector<std::string_view> args;
        std::string input;
        std::vector<std::string> columns;
        std::vector<std::string> captions;
    };
    const std::vector<Case> cases = {
        {"incomes, with bad rows and results below zero",
         {"--csv", "--resumen"},
         "periodo,ingreso_gravable,suma_subsidio\nMensual,10000,\nAnual,\"100,000.50\",1200\n"
         "Bimestral,1,\nSemanal,1000,\nQuincenal,-3,\nDecenal,200,\nMensual,1,\n",
         kBoxColumns,
         kBoxCaptions},
        {"the published tables",
         {"--csv", "--resumen", "--tablas", "anexo8"},
         "periodo,ingreso_gravable\nMensual,5000\nCatorcenal,3000\nMensual,99999999.99\n",
         kBoxColumns,
         kBoxCaptions},
        {"nets",
         {"--resumen", "--csv"},
         "periodo,neto\nMensual,7000\nSemanal,1500\nMensual,999999999\nAnual,250000\n",
         kBoxColumns,
         kBoxCaptions},
        {"extraordinary payments",
         {"--csv", "--resumen"},
         "concepto,ingreso_mensual,importe,domingos\naguinaldo,10000,5000,\nptu,8000,20000,\n"
         "prima-dominical,9000,500,3\nbono,1,1,\n",
         {"art174_retencion", "art96_retencion"},
         {"Retención (art. 174)", "Retención (art. 96)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string_view> without;
        for (const auto arg : c.args) {
            if (arg != "--resumen") without.push_back(arg);
        }
        const auto plain = RunWith(without, c.input);
        const auto r = RunWith(c.args, c.input);
        EXPECT_EQ(r.out, plain.out);
        const auto summary = SummaryOf(r.out, c.columns, c.captions);
        ASSERT_GE(r.err.size(), summary.size());
        // After every row's message, as the batch's last words.
        EXPECT_EQ(r.err.substr(r.err.size() - summary.size()), summary);
        EXPECT_EQ(r.err.substr(0, r.err.size() - summary.size()),
                  plain.err.substr(0, plain.err.size()));
        EXPECT_EQ(r.status, plain.status);
    }
}

TEST(BatchSummary, KeepsTheFirstMessagesInInputOrderAcrossChunksAndWorkers) {
    std::string input = "periodo,ingreso_gravable\n";
    for (int i = 0; i < 45; ++i)
        input += i % 2 == 0 ? "Mensual,x" + std::to_string(i) + "\n" : "Mensual,100\n";
    for (const unsigned workers : {0U, 3U}) {
        SCOPED_TRACE(workers);
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        CsvReader reader(in);
        const auto layout = ReadBatchHeader(reader, err);
        ASSERT_TRUE(layout);
        BatchSummary summary;
        BatchOptions options;
        options.workers = workers;
        options.chunkRecords = 4;
        options.summary = &summary;
        EXPECT_EQ(RunBatch(reader, *layout, out, err, options), kExitBadRows);
        EXPECT_EQ(summary.Rows(), 45U);
        EXPECT_EQ(summary.BadRows(), 23U);
        std::istringstream messages(err.str());
        std::vector<std::string> expected;
        for (std::string line; std::getline(messages, line) && expected.size() < 20;) {
            expected.push_back(line.substr(std::string_view("isr2016-cli: ").size()));
        }
        EXPECT_EQ(summary.FirstMessages(), expected);
        ASSERT_EQ(summary.FirstMessages().size(), BatchSummary::kKeptMessages);
    }
}

TEST(BatchSummary, ASumBeyondTheRangeOfAnAmountIsSaid) {
    // Each year's subsidy sum is an amount; two of them take the results' sum beyond any.
    const auto r = RunWith({"--csv", "--resumen"},
                           "periodo,ingreso_gravable,suma_subsidio\n"
                           "Anual,100000,\"9,999,999,999,999,999.99\"\n"
                           "Anual,100000,\"9,999,999,999,999,999.99\"\n");
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_NE(r.err.find("\nProcedimiento 2016: fuera de rango\n"), std::string::npos) << r.err;
    // The other sums go on.
    const auto tax = SummaryOf(r.out, {kBoxColumns[0]}, {kBoxCaptions[0]});
    EXPECT_NE(r.err.find(tax), std::string::npos) << r.err;
}

TEST(BatchSummary, OnlyABatchHasOne) {
    for (const auto& args :
         {std::vector<std::string_view>{"--resumen", "mensual", "100"},
          std::vector<std::string_view>{"--resumen", "--pago", "ptu", "1", "1"}}) {
        const auto r = RunWith(args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
                  "isr2016-cli: --resumen sólo cuenta con --csv o --ejercicio");
    }
}

}  // namespace
}  // namespace isr::cli
