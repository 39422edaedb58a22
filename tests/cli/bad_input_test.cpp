// SPDX-License-Identifier: MIT
// Hostile input to the installed isr2016-cli, run as a separate process: each bad argument gets
// exit status 2, nothing on stdout, and on stderr one line saying what is wrong, then for a
// malformed one a line pointing to --help: short, valid UTF-8 and free of control characters
// whatever the argument held.
//
// A NUL byte cannot travel in a process argument (it ends the argument); the CSV table feeds it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "child_process.h"
#include "clean_messages.h"

namespace isr {
namespace {

struct Row {
    std::string name;
    std::vector<std::string> args;
    std::string expected;      // in the message, or in the JSON output of an accepted row
    bool pointsToHelp = true;  // a well-formed amount beyond the tariff does not
};

std::string Cut40(char c) {
    return '"' + std::string(40, c) + "…\"";
}

const std::string kHuge(100'000, '9');  // one process argument may reach 128 KiB

std::vector<Row> RejectedRows() {
    return {
        {"no arguments", {}, "se esperan PERIODO"},
        {"one empty argument", {""}, "se esperan PERIODO"},
        {"empty period", {"", "5"}, R"(periodo desconocido: "")"},
        {"empty base", {"mensual", ""}, R"(BASE no es un importe: "")"},
        {"huge period", {std::string(100'000, 'x'), "5"}, "periodo desconocido: " + Cut40('x')},
        {"huge base with a letter",
         {"mensual", kHuge + "x"},
         "BASE no es un importe: " + Cut40('9')},
        {"huge sum",
         {"anual", "1", kHuge},
         "SUMA_SUBSIDIO importe fuera de rango " +
             std::string("(a lo sumo 9,999,999,999,999,999.99): ") + Cut40('9')},
        {"huge negative sum", {"anual", "1", "-" + kHuge}, "SUMA_SUBSIDIO no puede ser negativo"},
        {"a negative amount is no option",
         {"mensual", "-5"},
         R"(BASE no puede ser negativo: "-5")"},
        {"huge base: above every row",
         {"mensual", kHuge},
         "BASE más allá de la tarifa Mensual (a lo sumo 99,999,999.99): " + Cut40('9'),
         false},
        {"400 nines", {"quincenal", std::string(400, '9')}, "(a lo sumo 9,999,999.99)", false},
        {"huge option", {"--" + kHuge}, "opción desconocida: \"--" + std::string(38, '9') + "…\""},
        {"exponent", {"mensual", "1e5"}, R"(BASE no es un importe: "1e5")"},
        {"plus sign", {"mensual", "+5"}, R"(BASE no es un importe: "+5")"},
        {"blank inside", {"mensual", "5 0"}, R"(BASE no es un importe: "5 0")"},
        {"trailing minus", {"mensual", "5-"}, R"(BASE no es un importe: "5-")"},
        {"currency sign after the digits", {"mensual", "5$"}, R"(BASE no es un importe: "5$")"},
        {"two points", {"mensual", "1,234.5.6"}, R"(BASE no es un importe: "1,234.5.6")"},
        // A comma is read only as a thousands separator between groups of three digits.
        {"a decimal comma",
         {"mensual", "1500,50"},
         "BASE la coma sólo separa miles (1,500.50): los centavos van tras un punto decimal: "
         "\"1500,50\""},
        {"stray group separators", {"mensual", "1,2,3.4"}, R"(tras un punto decimal: "1,2,3.4")"},
        {"400 commas and two digits",
         {"anual", "1", std::string(398, ',') + "12"},
         "SUMA_SUBSIDIO la coma sólo separa miles (1,500.50): los centavos van tras un punto "
         "decimal: " +
             Cut40(',')},
        {"a lone point", {"mensual", "."}, R"(BASE no es un importe: ".")"},
        {"a lone minus", {"mensual", "-"}, R"(BASE no es un importe: "-")"},
        {"full-width digit", {"mensual", "５"}, "BASE no es un importe: \"５\""},
        {"no-break space", {"mensual", "5\u00a0000"}, "BASE no es un importe: \"5\u00a0000\""},
        {"unknown option", {"--xml", "mensual", "5"}, R"(opción desconocida: "--xml")"},
        {"unknown short option", {"mensual", "5", "-x"}, R"(opción desconocida: "-x")"},
        {"options keep their case", {"--JSON", "mensual", "5"}, R"(desconocida: "--JSON")"},
        {"option with a value", {"--json=1", "mensual", "5"}, R"(desconocida: "--json=1")"},
        {"three dashes", {"---", "mensual", "5"}, R"(opción desconocida: "---")"},
        {"double dash and digit", {"mensual", "--5"}, R"(opción desconocida: "--5")"},
        {"after --, an option is data", {"--", "mensual", "--json"}, R"(importe: "--json")"},
        {"stray bytes", {"\xff\xfe", "5"}, R"(periodo desconocido: "\xff\xfe")"},
        {"cut UTF-8 sequence", {"mensual", "1\xc3"}, R"(BASE no es un importe: "1\xc3")"},
        {"overlong UTF-8", {"--\xc0\xaf"}, R"(opción desconocida: "--\xc0\xaf")"},
        {"UTF-16 surrogate", {"anual", "1", "\xed\xa0\x80"}, R"(importe: "\xed\xa0\x80")"},
        {"terminal escape", {"mensual", "\x1b[2J5"}, R"(BASE no es un importe: "\x1b[2J5")"},
        {"C1 control", {"\u009b2J", "5"}, R"(periodo desconocido: "\xc2\x9b2J")"},
        {"newline", {"mensual", "5\n6"}, R"(BASE no es un importe: "5\x0a6")"},
        {"accented period name", {"añual", "5"}, "periodo desconocido: \"añual\""},
    };
}

// Hostile-looking, but amounts all the same.
std::vector<Row> AcceptedRows() {
    return {
        {"huge, all decimals", {"mensual", "0." + kHuge}, R"("ingreso_gravable":"1.00")"},
        {"empty subsidy sum is zero", {"anual", "5", ""}, R"("suma_subsidio":"0.00")"},
        {"400 digits, 398 decimals", {"mensual", "1." + std::string(398, '5')}, R"(:"1.56")"},
        {"400 digits, zeros first", {"mensual", std::string(397, '0') + "123"}, R"(:"123.00")"},
        {"groups of three", {"mensual", "1,234,567.891"}, R"("ingreso_gravable":"1,234,567.89")"},
        {"blanks around, as a spreadsheet writes", {"mensual", " 5 "}, R"(:"5.00")"},
        {"a currency sign", {"mensual", "$7,500.00"}, R"("ingreso_gravable":"7,500.00")"},
        {"minus zero after rounding", {"mensual", "-0.004"}, R"("ingreso_gravable":"0.00")"},
    };
}

TEST(CommandLineProcess, BadArgumentsGetStatusTwoAndAShortCleanMessage) {
    for (const auto& row : RejectedRows()) {
        SCOPED_TRACE(row.name);
        const auto result = test::RunChild(ISR2016_CLI, row.args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        // One line saying what is wrong, then where to read more.
        const auto lines = test::Lines(result.err);
        ASSERT_EQ(lines.size(), row.pointsToHelp ? 2u : 1u) << result.err;
        EXPECT_TRUE(lines[0].starts_with("isr2016-cli: ")) << lines[0];
        EXPECT_NE(lines[0].find(row.expected), std::string::npos) << lines[0];
        if (row.pointsToHelp) {
            EXPECT_EQ(lines[1], "Pruebe \"isr2016-cli --help\" para más información.");
        }
        test::ExpectCleanMessages(result.err);
    }
}

TEST(CommandLineProcess, StrangeButValidAmountsAreCalculated) {
    for (auto row : AcceptedRows()) {
        SCOPED_TRACE(row.name);
        row.args.insert(row.args.begin(), "--json");
        const auto result = test::RunChild(ISR2016_CLI, row.args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find(row.expected), std::string::npos) << result.out;
    }
}

}  // namespace
}  // namespace isr
