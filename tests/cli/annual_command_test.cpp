// SPDX-License-Identifier: MIT
// isr2016-cli --ejercicio on payment histories held in strings.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "run_in_memory.h"

namespace isr::cli {
namespace {

constexpr int kLastDay[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// A month's payment as a row of the header below, for months first to last of 2016.
std::string MonthlyRows(std::string_view employee, int first, int last, std::string_view taxable,
                        std::string_view withheld) {
    std::string rows;
    for (int m = first; m <= last; ++m) {
        const std::string month = "2016-" + TwoDigits(m) + "-";
        const std::string end = month + TwoDigits(kLastDay[m - 1]);
        rows += std::string(employee) + "," + end + "," + month + "01," + end + "," +
                std::string(taxable) + "," + std::string(withheld) + ",Mensual\n";
    }
    return rows;
}

constexpr std::string_view kHeader =
    "empleado,fecha_pago,fecha_inicial_pago,fecha_final_pago,ingreso_gravable,isr_retenido,"
    "periodo\n";
constexpr std::string_view kOutputHeader =
    "empleado,ejercicio,pagos,primer_periodo,ultimo_periodo,ingreso_gravable,ingreso_total,"
    "isr_tarifa,subsidio_causado,isr_ejercicio,isr_retenido,diferencia,resultado,motivo\n";

TEST(AnnualCommand, GivesTheWorkedExamplesOneRowPerEmployeeInEmployeeOrder) {
    // Given in no order: the rows of each employee interleaved, the last employee first.
    const std::string input =
        std::string(kHeader) + MonthlyRows("C", 7, 12, "12000.00", "1454.08") +
        MonthlyRows("A", 1, 12, "4000.00", "0") + MonthlyRows("C", 1, 6, "3000.00", "0") +
        MonthlyRows("B", 1, 12, "10000.00", "1037.15");
    const auto run = RunWith({"--ejercicio"}, input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              std::string(kOutputHeader) +
                  "A,2016,12,2016-01-01,2016-12-31,\"48,000.00\",\"48,000.00\",\"2,805.31\","
                  "\"4,589.52\",0.00,0.00,0.00,sin diferencia,\n"
                  "B,2016,12,2016-01-01,2016-12-31,\"120,000.00\",\"120,000.00\",\"12,445.80\","
                  "0.00,\"12,445.80\",\"12,445.80\",0.00,sin diferencia,\n"
                  "C,2016,12,2016-01-01,2016-12-31,\"90,000.00\",\"90,000.00\",\"7,323.59\","
                  "\"2,439.72\",\"4,883.87\",\"8,724.48\",\"-3,840.61\",a favor,\n");
}

TEST(AnnualCommand, GivesEachYearOfAnEmployeeItsOwnRow) {
    const std::string input = std::string(kHeader) +
                              "A,2017-01-31,2017-01-01,2017-01-31,4000,0,"
                              "Mensual\n" +
                              MonthlyRows("A", 1, 12, "4000.00", "0");
    const auto run = RunWith({"--ejercicio"}, input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nA,2016,12,"), std::string::npos);
    EXPECT_NE(run.out.find("\nA,2017,1,2017-01-01,2017-01-31,\"4,000.00\",\"4,000.00\",76.80,"
                           "382.46,0.00,0.00,0.00,no corresponde,el último periodo termina "
                           "antes del 1 de diciembre\n"),
              std::string::npos)
        << run.out;
}

TEST(AnnualCommand, ShowsEachMonthsCapWithMeses) {
    // Two quincenal payments of 2,000.00 in June, each with its own quincenal subsidy, 188.70:
    // the month's 4,000.00 gets 382.46 from the monthly table, more than the two together.
    const std::string input =
        "empleado;fecha_pago;ingreso_gravable;isr_retenido;subsidio_causado\r\n"
        "A;2016-06-15;2000.00;0;300.00\r\n"
        "A;2016-06-30;2000.00;0;300.00\r\n";
    const auto run = RunWith({"--ejercicio", "--meses"}, input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("A;2016;2;;;\"4,000.00\";;;382.46;;;;;;6;600.00;382.46;217.54\r\n"),
              std::string::npos)
        << run.out;
    // Without periods the payment dates stand for them, and the row says so.
    EXPECT_NE(run.out.find(";no corresponde;\"el primer periodo empieza después del 1 de enero; el "
                           "último periodo termina antes del 1 de diciembre; periodos tomados de "
                           "fecha_pago\";;;;\r\n"),
              std::string::npos)
        << run.out;
}

struct RejectedCase {
    std::string name;
    std::vector<std::string_view> args;
    std::string input;
    int status;
    std::string err;
};

TEST(AnnualCommand, SaysWhatIsWrongWithARowAndGivesItsYearNoFigures) {
    const RejectedCase cases[] = {
        {"a row that can't be read marks its employee's year",
         {"--ejercicio"},
         std::string(kHeader) + "A,2016-01-31,2016-01-01,2016-01-31,abc,0,Mensual\n" +
             MonthlyRows("B", 1, 1, "4000", "0"),
         1,
         "isr2016-cli: línea 2: ingreso_gravable no es un importe de 0.00 en adelante: \"abc\"\n"},
        {"a payment date that isn't one belongs to no year",
         {"--ejercicio"},
         std::string(kHeader) + "A,31/01/2016,2016-01-01,2016-01-31,4000,0,Mensual\n",
         1,
         "isr2016-cli: línea 2: fecha_pago no es una fecha aaaa-mm-dd: \"31/01/2016\"\n"},
        {"a header without isr_retenido",
         {"--ejercicio"},
         "empleado,fecha_pago,ingreso_gravable,periodo\n",
         2,
         "isr2016-cli: falta la columna isr_retenido\n"},
        {"an empty input",
         {"--ejercicio"},
         "",
         2,
         "isr2016-cli: la entrada está vacía: falta el encabezado\n"},
        {"--meses alone",
         {"--meses", "--csv"},
         "",
         2,
         "isr2016-cli: --meses sólo cuenta con --ejercicio\n"
         "Pruebe \"isr2016-cli --help\" para más información.\n"},
        {"--ejercicio with --csv",
         {"--ejercicio", "--csv"},
         "",
         2,
         "isr2016-cli: --ejercicio no se combina con --csv, --neto ni --pago\n"
         "Pruebe \"isr2016-cli --help\" para más información.\n"},
        {"three operands",
         {"--ejercicio", "a", "b", "c"},
         "",
         2,
         "isr2016-cli: --ejercicio acepta a lo sumo ENTRADA y SALIDA\n"
         "Pruebe \"isr2016-cli --help\" para más información.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto run = RunWith(c.args, c.input);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
    }
    const auto bad = RunWith({"--ejercicio"}, cases[0].input);
    EXPECT_NE(bad.out.find("\nA,2016,1,,,,,,,,,,error,1 pago no se pudo leer\n"), std::string::npos)
        << bad.out;
    EXPECT_NE(bad.out.find("\nB,2016,1,"), std::string::npos);
}

TEST(AnnualCommand, SummarisesTheYearsWithResumen) {
    const std::string input = std::string(kHeader) + MonthlyRows("A", 1, 12, "4000.00", "0") +
                              MonthlyRows("B", 1, 12, "10000.00", "1000.00") +
                              MonthlyRows("C", 3, 12, "10000.00", "1000.00");
    const auto run = RunWith({"--ejercicio", "--resumen"}, input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "empleados y años: 3\na cargo: 1\na favor: 0\nsin diferencia: 1\nno corresponde: 1\n"
              "con error: 0\npagos con error: 0\n");
}

}  // namespace
}  // namespace isr::cli
