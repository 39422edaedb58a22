// SPDX-License-Identifier: MIT
// A batch of days paid: the worked examples of public receipts as rows, bad rows kept and
// explained, and headers that mix days with a period refused naming both.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/csv_batch.h"
#include "cli/exit_status.h"
#include "tariffs/anexo8_tables.h"

namespace isr::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCsv(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CsvReader reader(in, 7);  // records straddle refills
    const auto layout = ReadBatchHeader(reader, err);
    const int status = layout
                           ? RunBatch(reader, *layout, out, err, {0, 4096, nullptr, &kAnexo8Tables})
                           : kExitUsage;
    return {status, out.str(), err.str()};
}

const std::string kFigureColumns =
    "ingreso_mensual,isr_limite_inferior,isr_excedente,isr_porcentaje,isr_cuota_fija,"
    "isr_impuesto_determinado,subsidio_limite_inferior,subsidio_limite_superior,subsidio,"
    "isr_periodo,subsidio_periodo,procedimiento_2016,error";

TEST(DaysBatch, EveryRowIsAPayOfItsDays) {
    const auto r = RunCsv(
        "num,Dias,ingreso_gravable,metodo\n"
        "1,15,7500.05,mensual\n"
        "2,15,4165.56,\n"
        "3,16,\"2,500.00\",TABLA\n");
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "num,Dias,ingreso_gravable,metodo," + kFigureColumns +
                         "\n"
                         "1,15,7500.05,mensual,\"15,200.10\",\"10,298.36\",\"4,901.74\",21.36,"
                         "\"1,090.61\",\"2,137.62\",\"7,382.34\",\"99,999,999.99\",0.00,"
                         "\"1,054.75\",0.00,\"1,054.75\",\n"
                         "2,15,4165.56,,,\"3,651.01\",514.55,16.00,293.25,375.58,\"3,642.61\","
                         "\"9,999,999.99\",0.00,375.58,0.00,375.58,\n"
                         "3,16,\"2,500.00\",TABLA,,\"2,216.01\",283.99,10.88,130.08,160.98,"
                         "\"2,482.73\",\"2,808.16\",171.04,160.98,171.04,-10.06,\n");
}

TEST(DaysBatch, BadRowsSayWhichColumnIsWrong) {
    const auto r = RunCsv(
        "dias,ingreso_gravable,metodo\n"
        "0,100,\n"
        "15.5,100,tabla\n"
        "15,100,30.4\n"
        "15,abc,\n"
        "367,100,mensual\n"
        "15,-100,\n");
    EXPECT_EQ(r.status, kExitBadRows);
    for (const char* expected :
         {"línea 2, columna 1 (dias): fuera de rango: con el método tabla",
          "línea 3, columna 1 (dias): fuera de rango: con el método tabla",
          "línea 4, columna 3 (metodo): método desconocido (tabla o mensual): \"30.4\"",
          "línea 5, columna 2 (ingreso_gravable): no es un importe: \"abc\"",
          "línea 6, columna 1 (dias): fuera de rango: con el método mensual",
          "línea 7, columna 2 (ingreso_gravable): no puede ser negativo: \"-100\""}) {
        EXPECT_NE(r.err.find(expected), std::string::npos) << expected << "\n" << r.err;
    }
}

TEST(DaysBatch, HeadersMixingDaysWithOtherLayoutsAreRefused) {
    const struct {
        std::string header;
        std::string message;
    } cases[] = {
        {"periodo,dias,ingreso_gravable\n", "las columnas \"dias\" y \"periodo\""},
        {"dias,neto\n", "las columnas \"dias\" y \"neto\""},
        {"dias,ingreso_gravable,suma_subsidio\n", "las columnas \"dias\" y \"suma_subsidio\""},
        {"dias\n", "falta la columna \"ingreso_gravable\""},
        {"periodo,ingreso_gravable,metodo\n", "la columna \"metodo\" sólo cuenta con"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        const auto r = RunCsv(c.header + "1,2,3\n");
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace isr::cli
