// SPDX-License-Identifier: MIT
// A batch of extraordinary payments: every figure as a column, bad rows kept and explained, and
// headers that mix payments with the ordinary columns refused.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/csv_batch.h"
#include "cli/exit_status.h"
#include "tariffs/table_sets.h"

namespace isr::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCsv(const std::string& input, unsigned workers = 0, std::size_t chunkRecords = 4096,
               const TableSet& tables = DefaultTableSet()) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CsvReader reader(in, 7);  // records straddle refills
    const auto layout = ReadBatchHeader(reader, err);
    const int status =
        layout ? RunBatch(reader, *layout, out, err, {workers, chunkRecords, nullptr, &tables})
               : kExitUsage;
    return {status, out.str(), err.str()};
}

const std::string kFigureColumns =
    "tope_exento,exento,gravado,art174_mensualizado,art174_base,art174_isr_con_pago,"
    "art174_isr_sin_pago,art174_diferencia,art174_tasa,art174_retencion,art96_base,"
    "art96_procedimiento_con_pago,art96_procedimiento_sin_pago,art96_retencion,menor_retencion,"
    "error";

TEST(PaymentBatch, EveryRowIsAPaymentWithEveryFigure) {
    const auto r = RunCsv(
        "num,Concepto,INGRESO_MENSUAL,importe,domingos,salario_minimo,depto\n"
        "1,aguinaldo,\"10,000.00\",5000,,,ventas\n"
        "2,prima-dominical,9000,500,3,,\n"
        "3,Aguinaldo,10000,5000,0,70.10,x\n");
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "num,Concepto,INGRESO_MENSUAL,importe,domingos,salario_minimo,depto," +
                  kFigureColumns +
                  "\n"
                  "1,aguinaldo,\"10,000.00\",5000,,,ventas,\"2,191.20\",\"2,191.20\",\"2,808.80\","
                  "233.94,\"10,233.94\",\"1,079.07\",\"1,037.15\",41.92,17.9191,503.31,"
                  "\"12,808.80\",\"1,626.84\",\"1,037.15\",589.69,art174,\n"
                  "2,prima-dominical,9000,500,3,,,219.12,219.12,280.88,23.39,\"9,023.39\",862.14,"
                  "857.95,4.19,17.9136,50.32,\"9,280.88\",908.28,857.95,50.33,art174,\n"
                  "3,Aguinaldo,10000,5000,0,70.10,x,\"2,103.00\",\"2,103.00\",\"2,897.00\",241.28,"
                  "\"10,241.28\",\"1,080.39\",\"1,037.15\",43.24,17.9211,519.17,\"12,897.00\","
                  "\"1,645.68\",\"1,037.15\",608.53,art174,\n");
    // The published set's fee of 247.24 moves the tax of 5,000.00 by a cent.
    const auto published = RunCsv("concepto,ingreso_mensual,importe\naguinaldo,5000,5000\n", 0,
                                  4096, *FindTableSet("anexo8"));
    EXPECT_NE(published.out.find(",8.28,651.43,art174,\n"), std::string::npos) << published.out;
}

TEST(PaymentBatch, BadRowsAreKeptInOrderAndExplained) {
    std::string input = "id,concepto,ingreso_mensual,importe,domingos\n";
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"1,aguinaldo,10000,5000,", ""},
        {"2,bono,10000,5000,", "línea 3, columna 2 (concepto): concepto desconocido: \"bono\""},
        {"3,ptu,-5,5000,", "línea 4, columna 3 (ingreso_mensual): no puede ser negativo: \"-5\""},
        {"4,ptu,10000,,", "línea 5, columna 4 (importe): no es un importe: \"\""},
        {"5,ptu,99999999,5000,",
         "línea 6, columna 4 (importe): lleva el ingreso más la parte gravada más allá de la "
         "tarifa mensual (a lo sumo 99,999,999.99): \"5000\""},
        {"6,prima-dominical,1,2,x",
         "línea 7, columna 5 (domingos): no es un número entero de domingos: \"x\""},
        {"7,aguinaldo,1,2,1",
         "línea 8, columna 5 (domingos): sólo cuentan para la prima dominical: \"1\""},
        {"8,aguinaldo,1",
         "línea 9, columna 4 (importe): falta el campo (la fila tiene 3 campos y el encabezado "
         "5)"},
        {"9,ptu,1,2,", ""},
    };
    for (const auto& row : rows) input += row.first + "\n";
    // Calculated on the reading thread, and on two workers in chunks of three rows.
    for (const auto& [workers, chunk] :
         {std::pair{0u, std::size_t{4096}}, std::pair{2u, std::size_t{3}}}) {
        SCOPED_TRACE(workers);
        const auto r = RunCsv(input, workers, chunk);
        EXPECT_EQ(r.status, kExitBadRows);
        std::istringstream lines(r.out);
        std::string line;
        std::getline(lines, line);  // the header
        for (const auto& row : rows) {
            SCOPED_TRACE(row.first);
            ASSERT_TRUE(std::getline(lines, line));
            EXPECT_TRUE(line.starts_with(row.first.substr(0, row.first.find(',') + 1))) << line;
            if (row.second.empty()) {
                EXPECT_TRUE(line.ends_with(",")) << line;
            } else {
                // Quoted in the output, with its quotes doubled; on stderr as it is.
                std::string quoted;
                for (const char c : row.second)
                    quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
                EXPECT_TRUE(line.ends_with(",\"" + quoted + "\"")) << line;
                EXPECT_NE(r.err.find("isr2016-cli: " + row.second + "\n"), std::string::npos);
            }
        }
    }
}

TEST(PaymentBatch, HeadersThatCannotBeUsed) {
    struct Case {
        std::string header;
        std::string message;
    };
    const Case cases[] = {
        {"concepto,ingreso_mensual,importe,ingreso_gravable",
         "la entrada tiene las columnas \"concepto\" y \"ingreso_gravable\""},
        {"periodo,neto,importe", "la entrada tiene las columnas \"importe\" y \"neto\""},
        {"concepto,importe", "falta la columna \"ingreso_mensual\" en el encabezado"},
        {"ingreso_mensual,importe,domingos", "falta la columna \"concepto\" en el encabezado"},
        {"concepto,ingreso_mensual,importe,Importe",
         "la columna \"importe\" aparece dos veces en el encabezado"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        const auto r = RunCsv(c.header + "\naguinaldo,1,2,3\n");
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace isr::cli
