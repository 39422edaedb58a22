// SPDX-License-Identifier: MIT
#include "cli/csv_batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <sstream>
#include <string>
#include <vector>

#include "batch/byte_source.h"
#include "cli/exit_status.h"

namespace isr::cli {
namespace {

using Table = std::vector<std::vector<std::string>>;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCsv(const std::string& input, unsigned workers = 0, std::size_t chunkRecords = 4096) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CsvReader reader(in, 7);  // records straddle refills
    const auto layout = ReadBatchHeader(reader, err);
    const int status =
        layout ? RunBatch(reader, *layout, out, err, {workers, chunkRecords, nullptr}) : kExitUsage;
    return {status, out.str(), err.str()};
}

Table Parse(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    CsvRecordBatch batch;
    Table table;
    while (reader.ReadRecord(batch)) {
        const auto& record = batch[batch.size() - 1];
        EXPECT_EQ(batch.Fault(record), nullptr) << text;
        auto& row = table.emplace_back();
        for (std::size_t i = 0; i < record.fieldCount; ++i)
            row.emplace_back(batch.Field(record, i));
    }
    return table;
}

const std::vector<std::string> kResultColumns = {
    "isr_limite_inferior",      "isr_excedente",
    "isr_porcentaje",           "isr_cuota_fija",
    "isr_impuesto_determinado", "subsidio_limite_inferior",
    "subsidio_limite_superior", "subsidio",
    "procedimiento_2016",       "isr_a_retener",
    "subsidio_a_entregar",      "error"};

std::vector<std::string> Cat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Columns pass through in place and keep their names as written; the worked examples come out
// box for box.
TEST(CsvBatch, WorkedExamplesWithPassThroughColumns) {
    const auto r = RunCsv(
        "num,PERIODO,nombre,Ingreso_Gravable,Suma_Subsidio,depto\n"
        "17,Mensual,\"Pérez, Juan\",\"3,000.00\",,ventas\n"
        "18,mensual,Ana,10000,,\n"
        "19,ANUAL,Luis,100000.00,\"1,200\",x\n");
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.err, "");
    const Table expected = {
        Cat({"num", "PERIODO", "nombre", "Ingreso_Gravable", "Suma_Subsidio", "depto"},
            kResultColumns),
        {"17", "Mensual", "Pérez, Juan", "3,000.00", "", "ventas", "496.08", "2,503.92", "6.40",
         "9.52", "169.77", "2,653.39", "3,472.84", "406.62", "-236.85", "0.00", "236.85", ""},
        {"18", "mensual", "Ana", "10000", "", "", "8,601.51", "1,398.49", "17.92", "786.54",
         "1,037.15", "7,382.34", "99,999,999.99", "0.00", "1,037.15", "1,037.15", "0.00", ""},
        {"19", "ANUAL", "Luis", "100000.00", "1,200", "x", "88,793.05", "11,206.95", "16.00",
         "7,130.48", "8,923.59", "0", "0", "0", "7,723.59", "7,723.59", "0.00", ""},
    };
    EXPECT_EQ(Parse(r.out), expected);
}

TEST(CsvBatch, EveryPeriodAndEntryRounding) {
    struct Case {
        std::string row;
        std::string excedente;
        std::string procedimiento;
    };
    const Case cases[] = {
        {"semanal,1000,500", "30.49", "-27.83"},  // the subsidy sum counts for Anual only
        {"Decenal,7.5,", "7.49", "-133.76"},
        {"catorcenal,0.,", "0", "0.00"},
        {"quincenal,\"12,000.505\",", "1,752.05", "2,053.83"},  // cents first, as on focus-out
        {"anual,0,500", "0", "-500.00"},
        {"mensual,-0.004,", "0", "0.00"},            // rounds to zero, and zero has no sign
        {"anual,100000,", "11,206.95", "8,923.59"},  // an empty sum is zero
        {"anual,0,\"9,999,999,999,999,999.99\"", "0", "-9,999,999,999,999,999.99"},
        {"mensual,\"99,999,999.99\",", "99,749,999.98", "34,990,904.22"},  // the top of the tariff
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const auto r = RunCsv("periodo,ingreso_gravable,suma_subsidio\n" + c.row + "\n");
        ASSERT_EQ(r.status, kExitOk) << r.err;
        const auto table = Parse(r.out);
        ASSERT_EQ(table.size(), 2u);
        EXPECT_EQ(table[1][3 + 1], c.excedente);
        EXPECT_EQ(table[1][3 + 8], c.procedimiento);
    }
}

// Each bad row still gives exactly one output row, in place, with empty results and a message
// naming the line and the column; the message goes to stderr as well, and the status is 1.
TEST(CsvBatch, BadRowsAreKeptInOrderAndExplained) {
    const std::string input =
        "id,periodo,ingreso_gravable,suma_subsidio\n"
        "1,mensual,100,\n"
        "2,bimestral,100,\n"
        "3,mensual,12a,\n"
        "4,mensual,,\n"
        "5,anual,100,\"5,0\"\n"
        "6,mensual\n"
        "7,mensual,100,,extra\n"
        "8,mensual,\"1\"00,\n"
        "9,men\"sual,100,\n"
        "\"10\n\",semanal,\"12,000\n\",\n"
        "11,semanal,100,\n"
        "12,anual,100,10000000000000000\n"
        "14,bimestral,12a,-1\n"
        "13,mensual,\"100,\n";
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"1", ""},
        {"2", "línea 3, columna 2 (periodo): periodo desconocido: \"bimestral\""},
        {"3", "línea 4, columna 3 (ingreso_gravable): no es un importe: \"12a\""},
        {"4", "línea 5, columna 3 (ingreso_gravable): no es un importe: \"\""},
        {"5",
         "línea 6, columna 4 (suma_subsidio): la coma sólo separa miles (1,500.50): los centavos "
         "van tras un punto decimal: \"5,0\""},
        {"6",
         "línea 7, columna 3 (ingreso_gravable): falta el campo (la fila tiene 2 campos y "
         "el encabezado 4)"},
        {"7", "línea 8, columna 5: campo de más (la fila tiene 5 campos y el encabezado 4)"},
        {"8", "línea 9, columna 3 (ingreso_gravable): texto después de la comilla de cierre"},
        {"9", "línea 10, columna 2 (periodo): comilla dentro de un campo sin comillas"},
        {"10\n", "línea 12, columna 3 (ingreso_gravable): no es un importe: \"12,000\\x0a\""},
        {"11", ""},
        {"12",
         "línea 15, columna 4 (suma_subsidio): importe fuera de rango (a lo sumo "
         "9,999,999,999,999,999.99): \"10000000000000000\""},
        // Every problem of a row, so that one run finds them all.
        {"14",
         "línea 16, columna 2 (periodo): periodo desconocido: \"bimestral\"; línea 16, columna 3 "
         "(ingreso_gravable): no es un importe: \"12a\"; línea 16, columna 4 (suma_subsidio): no "
         "puede ser negativo: \"-1\""},
        {"13",
         "línea 17, columna 3 (ingreso_gravable): comillas sin cerrar al final de la "
         "entrada"},
    };
    for (const unsigned workers : {0u, 3u}) {
        SCOPED_TRACE(workers);
        const auto r = RunCsv(input, workers, 2);
        EXPECT_EQ(r.status, kExitBadRows);
        const auto table = Parse(r.out);
        ASSERT_EQ(table.size(), expected.size() + 1);
        std::string stderrExpected;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const auto& row = table[i + 1];
            SCOPED_TRACE(expected[i].first);
            ASSERT_EQ(row.size(), 16u);
            EXPECT_EQ(row[0], expected[i].first);
            EXPECT_EQ(row[15], expected[i].second);
            EXPECT_EQ(row[4 + 4].empty(), !expected[i].second.empty()) << row[4 + 4];
            if (!expected[i].second.empty()) {
                stderrExpected += "isr2016-cli: " + expected[i].second + "\n";
            }
        }
        EXPECT_EQ(r.err, stderrExpected);
    }
}

TEST(CsvBatch, ByteOrderMarkAndCrlfAreAcceptedAndKept) {
    const auto r = RunCsv(
        "\xEF\xBB\xBF"
        "periodo,ingreso_gravable\r\nmensual,3000\r\n");
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_TRUE(
        r.out.starts_with("\xEF\xBB\xBF"
                          "periodo,ingreso_gravable,isr_limite_inferior,"));
    EXPECT_TRUE(r.out.ends_with(",-236.85,0.00,236.85,\r\n"));
    EXPECT_EQ(r.out.find('\n'), r.out.find("\r\n") + 1);
}

TEST(CsvBatch, HeaderOnlyGivesHeaderOnly) {
    const auto r = RunCsv("ingreso_gravable,periodo\n");
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(Parse(r.out), Table{Cat({"ingreso_gravable", "periodo"}, kResultColumns)});
}

// Many small chunks across several workers come back in input order.
TEST(CsvBatch, OutputKeepsInputOrderAcrossWorkers) {
    std::string input = "n,periodo,ingreso_gravable\n";
    for (int i = 0; i < 1000; ++i)
        input += std::to_string(i) + ",semanal," + std::to_string(i) + "\n";
    const auto single = RunCsv(input, 0, 4096);
    const auto parallel = RunCsv(input, 3, 7);
    EXPECT_EQ(parallel.status, kExitOk);
    EXPECT_EQ(parallel.out, single.out);
    const auto table = Parse(parallel.out);
    ASSERT_EQ(table.size(), 1001u);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(table[i + 1][0], std::to_string(i));
}

TEST(CsvBatch, UnusableInputStopsBeforeAnyOutput) {
    struct Case {
        std::string input;
        std::string message;
    };
    const Case cases[] = {
        {"", "la entrada está vacía: falta el encabezado"},
        {"\xEF\xBB\xBF\r\n\n", "la entrada está vacía: falta el encabezado"},
        {"periodo,base\nmensual,1\n", "falta la columna \"ingreso_gravable\" en el encabezado"},
        {"ingreso_gravable\n", "falta la columna \"periodo\" en el encabezado"},
        {"periodo,ingreso_gravable,PERIODO\n",
         "la columna \"periodo\" aparece dos veces en el encabezado"},
        {"periodo,\"ingreso_gravable\n",
         "encabezado mal formado: línea 1, columna 2: comillas "
         "sin cerrar al final de la entrada"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        const auto r = RunCsv(c.input);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "isr2016-cli: " + c.message + "\n");
    }
}

// Hands over its text, then fails as a disk would (or, with error 0, fails for no known reason).
class FailingSource final : public ByteSource {
  public:
    FailingSource(std::string text, int error) : text_(std::move(text)), error_(error) {}
    std::size_t Read(char* into, std::size_t size) override {
        const auto n = std::min(size, text_.size() - pos_);
        failed_ = n == 0;
        text_.copy(into, n, pos_);
        pos_ += n;
        return n;
    }
    bool Failed() const override { return failed_; }
    int Error() const override { return failed_ ? error_ : 0; }

  private:
    std::string text_;
    std::size_t pos_ = 0;
    int error_;
    bool failed_ = false;
};

// A read that fails after some rows is no end of the input: the rows read are written, exit 2, and
// the message says why, in the program's words or by the error's name where it has none.
TEST(CsvBatch, AReadFailureAfterSomeRowsIsSaidWithItsReason) {
    struct Case {
        int error;
        std::string message;
    };
    const std::string failed = "isr2016-cli: no se pudo leer la entrada hasta el final";
    const Case cases[] = {
        {EIO, failed + ": error de entrada/salida del dispositivo\n"},
        {EXDEV, failed + ": error del sistema EXDEV (18)\n"},
        {0, failed + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        FailingSource source("periodo,ingreso_gravable\nmensual,100\n", c.error);
        CsvReader reader(source, 7);
        std::ostringstream out;
        std::ostringstream err;
        const auto layout = ReadBatchHeader(reader, err);
        ASSERT_TRUE(layout);
        EXPECT_EQ(RunBatch(reader, *layout, out, err, {0, 4096, nullptr}), kExitUsage);
        EXPECT_EQ(err.str(), c.message);
        EXPECT_EQ(Parse(out.str()).size(), 2u);  // the header and the row read
    }
}

}  // namespace
}  // namespace isr::cli
