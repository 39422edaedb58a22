// SPDX-License-Identifier: MIT
// --neto and the payroll of gross-ups, end to end through the command line, with the published
// tables unless a case names the program's. A monthly net of 7,000.00 takes 7,373.81 with the
// published fee of 247.24 (excess 3,163.39 over 4,210.42, tax 344.18 + 247.24, subsidy 217.61;
// 7,373.80 nets 6,999.99), and 7,373.79 with the program's 247.23 (tests/calc/gross_up_test.cpp).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "run_in_memory.h"

namespace isr::cli {
namespace {

TEST(NetPay, JsonIsTheOrdinaryObjectOfTheBaseFoundWithTheNets) {
    const auto r = RunWith({"--json", "--neto", "mensual", "7000"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              R"({"periodo":"Mensual","ingreso_gravable":"7,373.81","suma_subsidio":"0.00",)"
              R"("isr":{"limite_inferior":"4,210.42","excedente":"3,163.39","porcentaje":"10.88",)"
              R"("cuota_fija":"247.24","impuesto_determinado":"591.42"},)"
              R"("subsidio":{"limite_inferior":"7,113.91","limite_superior":"7,382.33",)"
              R"("subsidio":"217.61"},"procedimiento_2016":"373.81",)"
              R"("neto_buscado":"7,000.00","neto":"7,000.00","exacto":true})"
              "\n");
}

TEST(NetPay, EachWayInSaysWhatItFound) {
    struct Case {
        std::string name;
        std::vector<std::string_view> args;
        int status;
        std::string found;  // in the output, or in the error stream when the status is not 0
    };
    const Case cases[] = {
        {"the text shows the target above the base and the net below the result",
         {"--neto", "Mensual", "7,000.00"},
         kExitOk,
         "Neto Buscado                              7,000.00\n"
         "Ingreso Gravable                          7,373.81\n"},
        // With the program's tables 4,210.41 nets 4,345.63 and 4,210.42 (tax 247.23, subsidy
        // 382.46) 4,345.65; the published fee of 247.24 leaves no such gap there.
        {"a net no base reaches is said not exact",
         {"--tablas", "programa", "--neto", "mensual", "4345.64"},
         kExitOk,
         "Procedimiento 2016                         -135.23\n\n"
         "Neto                                      4,345.65\n"
         "Exacto                                          no\n"},
        {"the target rounds to cents like a base",
         {"--json", "--neto", "mensual", "6999.995"},
         kExitOk,
         R"("neto_buscado":"7,000.00","neto":"7,000.00","exacto":true})"},
        // The program's fee is 247.23: the same net needs 7,373.79 (excess 3,163.37, tax
        // 344.17 + 247.23).
        {"the chosen tables are used",
         {"--tablas", "programa", "--json", "--neto", "mensual", "7000"},
         kExitOk,
         R"({"tablas":"programa","periodo":"Mensual","ingreso_gravable":"7,373.79",)"},
        {"a net above every net of the tables",
         {"--neto", "mensual", "65,009,095.78"},
         kExitUsage,
         "isr2016-cli: NETO más allá de las tablas (el mayor neto Mensual es 65,009,095.77): "
         "\"65,009,095.78\"\n"},
        {"a net that is no amount",
         {"--neto", "mensual", "7k"},
         kExitUsage,
         "NETO no es un importe: \"7k\""},
        {"the operands are counted as NETO",
         {"--neto", "mensual"},
         kExitUsage,
         "se esperan PERIODO, NETO y, opcionalmente, SUMA_SUBSIDIO"},
        {"a batch takes its nets from a column",
         {"--neto", "--csv"},
         kExitUsage,
         "--csv y --neto no se combinan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = RunWith(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        const auto& stream = c.status == kExitOk ? r.out : r.err;
        EXPECT_NE(stream.find(c.found), std::string::npos) << stream;
    }
}

TEST(NetPay, APayrollOfNetsGetsItsBasesAndNets) {
    // 740,383.75 with an annual sum of 1,234.56: 1,000,000.00 nets 740,383.74 and 1,000,000.01
    // (tax: the fee 260,850.81) 740,383.76.
    const auto r = RunWith({"--csv"},
                           "empleado,periodo,NETO,suma_subsidio\r\n"
                           "7,Mensual,\"7,000.00\",\r\n"
                           "8,Anual,740383.75,\"1,234.56\"\r\n"
                           "9,Semanal,\"7,000,000\",\r\n"
                           "10,Quincenal,siete mil,\r\n");
    EXPECT_EQ(r.status, kExitBadRows);
    EXPECT_EQ(
        r.out,
        "empleado,periodo,neto_buscado,suma_subsidio,ingreso_gravable,isr_limite_inferior,"
        "isr_excedente,isr_porcentaje,isr_cuota_fija,isr_impuesto_determinado,"
        "subsidio_limite_inferior,subsidio_limite_superior,subsidio,procedimiento_2016,"
        "isr_a_retener,subsidio_a_entregar,neto,exacto,error\r\n"
        "7,Mensual,\"7,000.00\",,\"7,373.81\",\"4,210.42\",\"3,163.39\",10.88,247.24,591.42,"
        "\"7,113.91\",\"7,382.33\",217.61,373.81,373.81,0.00,\"7,000.00\",true,\r\n"
        "8,Anual,740383.75,\"1,234.56\",\"1,000,000.01\",\"1,000,000.01\",0.00,34.00,"
        "\"260,850.81\",\"260,850.81\",0,0,0,\"259,616.25\",\"259,616.25\",0.00,"
        "\"740,383.76\",false,\r\n"
        // The published weekly top row starts at 57,565.77 with a fee of 18,053.63: at
        // 9,999,999.99 the tax is 3,479,851.98 + 18,053.63, the net 6,502,094.38.
        "9,Semanal,\"7,000,000\",,,,,,,,,,,,,,,,\"línea 4, columna 3 (NETO): más allá de "
        "las tablas (el mayor neto Semanal es 6,502,094.38): \"\"7,000,000\"\"\"\r\n"
        "10,Quincenal,siete mil,,,,,,,,,,,,,,,,\"línea 5, columna 3 (NETO): no es un importe: "
        "\"\"siete mil\"\"\"\r\n");

    const auto both = RunWith({"--csv"}, "periodo,neto,ingreso_gravable\nmensual,1,1\n");
    EXPECT_EQ(both.status, kExitUsage);
    EXPECT_EQ(both.out, "");
    EXPECT_NE(both.err.find("las columnas \"ingreso_gravable\" y \"neto\""), std::string::npos);
}

}  // namespace
}  // namespace isr::cli
