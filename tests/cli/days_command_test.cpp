// SPDX-License-Identifier: MIT
// isr2016-cli --dias: the worked examples of public payroll receipts, in JSON and text, and each
// bad days, method or base named in its message.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "run_in_memory.h"

namespace isr::cli {
namespace {

TEST(DaysCommand, JsonOfTheWorkedExamples) {
    const struct {
        std::vector<std::string_view> args;
        std::string json;
    } cases[] = {
        {{"--json", "--tablas", "anexo8", "--dias", "15", "--metodo", "mensual", "7500.05"},
         R"({"tablas":"anexo8","dias":"15","metodo":"mensual","ingreso_gravable":"7,500.05",)"
         R"("ingreso_mensual":"15,200.10",)"
         R"("isr":{"limite_inferior":"10,298.36","excedente":"4,901.74","porcentaje":"21.36",)"
         R"("cuota_fija":"1,090.61","impuesto_determinado":"2,137.62"},)"
         R"("subsidio":{"limite_inferior":"7,382.34","limite_superior":"99,999,999.99",)"
         R"("subsidio":"0.00"},"isr_periodo":"1,054.75","subsidio_periodo":"0.00",)"
         R"("procedimiento_2016":"1,054.75"})"
         "\n"},
        {{"--json", "--tablas=anexo8", "--dias=16", "2500"},
         R"({"tablas":"anexo8","dias":"16","metodo":"tabla","ingreso_gravable":"2,500.00",)"
         R"("isr":{"limite_inferior":"2,216.01","excedente":"283.99","porcentaje":"10.88",)"
         R"("cuota_fija":"130.08","impuesto_determinado":"160.98"},)"
         R"("subsidio":{"limite_inferior":"2,482.73","limite_superior":"2,808.16",)"
         R"("subsidio":"171.04"},"isr_periodo":"160.98","subsidio_periodo":"171.04",)"
         R"("procedimiento_2016":"-10.06"})"
         "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        const auto r = RunWith(c.args);
        EXPECT_EQ(r.status, kExitOk);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, c.json);
    }
}

TEST(DaysCommand, TextEndsWithThePeriodsFigures) {
    const auto r = RunWith({"4165.56", "--dias", "15", "--tablas", "anexo8"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_NE(r.out.find("Días Pagados"), std::string::npos);
    const auto tail = r.out.substr(r.out.rfind("\n\n") + 2);
    EXPECT_EQ(tail,
              "ISR del Periodo                             375.58\n"
              "Subsidio del Periodo                          0.00\n"
              "Procedimiento 2016                          375.58\n");
}

// --neto: the base of each worked example from its net (its base minus its result), the net a
// base of the example nets, and a net no base reaches exactly.
TEST(DaysCommand, NetBackToTheBaseOfEachWorkedExample) {
    const struct {
        std::vector<std::string_view> args;
        std::string_view base;
        std::string_view net;
        bool exact;
    } cases[] = {
        {{"--neto", "--dias", "15", "--metodo", "mensual", "6,445.30"},
         "7,500.05",
         "6,445.30",
         true},
        {{"--neto", "--dias", "15", "3,789.98"}, "4,165.56", "3,789.98", true},
        {{"--dias=16", "2510.06", "--neto"}, "2,500.00", "2,510.06", true},
        // A cent of base nets 13.40 a day: nothing nets less, but 0.00.
        {{"--neto", "--dias", "1", "5"}, "0.01", "13.40", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base);
        auto args = c.args;
        args.insert(args.begin(), "--json");
        const auto r = RunWith(args);
        ASSERT_EQ(r.status, kExitOk) << r.err;
        EXPECT_NE(r.out.find(R"("ingreso_gravable":")" + std::string(c.base) + '"'),
                  std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find(R"("neto":")" + std::string(c.net) + R"(","exacto":)" +
                             (c.exact ? "true}" : "false}")),
                  std::string::npos)
            << r.out;
    }
    const auto text = RunWith({"--neto", "--dias", "16", "2510.06"});
    EXPECT_NE(text.out.find("Neto Buscado                              2,510.06\n"
                            "Ingreso Gravable                          2,500.00\n"),
              std::string::npos)
        << text.out;
    EXPECT_TRUE(
        text.out.ends_with("\nNeto                                      2,510.06\n"
                           "Exacto                                          sí\n"))
        << text.out;
}

TEST(DaysCommand, RefusesEachBadValueNamingIt) {
    const struct {
        std::vector<std::string_view> args;
        std::string message;
    } cases[] = {
        {{"--dias", "0", "100"},
         R"(--dias fuera de rango: con --metodo tabla, un número entero de 1 a 31: "0")"},
        {{"--dias", "-3", "100"},
         R"(--dias no es un número de días (sin signo, hasta tres decimales): "-3")"},
        {{"--dias", "abc", "100"}, R"(--dias no es un número de días)"},
        {{"--dias", "15.2001", "--metodo", "mensual", "100"}, "--dias no es un número de días"},
        {{"--dias", "15.2", "100"}, R"(--dias fuera de rango: con --metodo tabla)"},
        {{"--dias", "367", "--metodo", "mensual", "100"},
         R"(--dias fuera de rango: con --metodo mensual, más de 0 y a lo sumo 366: "367")"},
        {{"--tablas", "programa", "--dias", "16", "100"},
         R"(--dias sin tabla: las tablas programa)"},
        {{"--dias", "15", "--metodo", "30.4", "100"},
         R"(--metodo desconocido: "30.4" (tabla o mensual))"},
        {{"--dias", "15", "-100"}, R"(BASE no puede ser negativo: "-100")"},
        {{"--dias", "15", "x"}, R"(BASE no es un importe: "x")"},
        {{"--dias", "15", "mensual", "100"}, "con --dias se espera sólo BASE"},
        {{"--metodo", "tabla", "mensual", "100"}, "--metodo sólo cuenta con --dias"},
        {{"--dias", "15", "--csv"}, "--dias no se combina con --pago, --csv ni --ejercicio"},
        {{"--neto", "--dias", "15", "mensual", "100"}, "con --dias se espera sólo NETO"},
        {{"--neto", "--dias", "15", "-1"}, R"(NETO no puede ser negativo: "-1")"},
        {{"--neto", "--tablas", "programa", "--dias", "16", "100"},
         R"(--dias sin tabla: las tablas programa)"},
        {{"--neto", "--dias", "15", "9,999,999,999,999,999.99"},
         R"(NETO más allá de las tablas de 15 días: "9,999,999,999,999,999.99")"},
        {{"--dias"}, "--dias necesita un número de días"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const auto r = RunWith(c.args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace isr::cli
