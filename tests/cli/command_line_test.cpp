// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "run_in_memory.h"
#include "tariffs/table_sets.h"
#include "test_files.h"

namespace isr::cli {
namespace {

TEST(CommandLine, JsonCarriesEveryBoxText) {
    const auto r = RunWith({"--json", "mensual", "3,000.00"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              R"({"periodo":"Mensual","ingreso_gravable":"3,000.00","suma_subsidio":"0.00",)"
              R"("isr":{"limite_inferior":"496.08","excedente":"2,503.92","porcentaje":"6.40",)"
              R"("cuota_fija":"9.52","impuesto_determinado":"169.77"},)"
              R"("subsidio":{"limite_inferior":"2,653.39","limite_superior":"3,472.84",)"
              R"("subsidio":"406.62"},"procedimiento_2016":"-236.85"})"
              "\n");
}

// Characters, not bytes: "Límite" is as wide as "Limite".
std::size_t Width(std::string_view line) {
    return static_cast<std::size_t>(std::count_if(line.begin(), line.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

TEST(CommandLine, TextListsCaptionsAndValuesAligned) {
    const auto r = RunWith({"Anual", "100000", "1,200", "--"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const std::pair<std::string_view, std::string_view> expected[] = {
        {"Tipo de Tarifa", "Anual"},
        {"Ingreso Gravable", "100,000.00"},
        {"Suma Subsidio para el Empleo", "1,200.00"},
        {"Límite Inferior", "88,793.05"},
        {"Excedente del Límite Inferior", "11,206.95"},
        {"Porcentaje sobre Límite Inferior", "16.00"},
        {"Cuota Fija", "7,130.48"},
        {"Impuesto Determinado", "8,923.59"},
        {"Límite Superior", "0"},
        {"Procedimiento 2016", "7,723.59"},
    };
    std::istringstream lines(r.out);
    std::size_t valueLines = 0;
    std::size_t next = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("  ") == std::string::npos) continue;  // blank or heading
        ++valueLines;
        EXPECT_EQ(Width(line), 50u) << line;
        if (next < std::size(expected) && line.starts_with(expected[next].first)) {
            EXPECT_TRUE(line.ends_with(std::string(" ") + std::string(expected[next].second)))
                << line;
            ++next;
        }
    }
    EXPECT_EQ(next, std::size(expected)) << r.out;
    EXPECT_EQ(valueLines, 12u);
}

TEST(CommandLine, AmountsAreEnteredAsTheWindowWouldHoldThem) {
    struct Case {
        std::vector<std::string_view> args;
        std::string_view fragment;
    };
    const Case cases[] = {
        {{"--json", "mensual", "7.5"}, R"("ingreso_gravable":"7.50")"},
        {{"--json", "mensual", "0."}, R"("ingreso_gravable":"0.00")"},
        {{"--json", "mensual", "496.075"}, R"("limite_inferior":"496.08")"},  // rounded first
        {{"mensual", "--json", "-0"}, R"("ingreso_gravable":"0.00")"},
        {{"mensual", "-.004", "--json"}, R"("procedimiento_2016":"0.00")"},
        {{"--json", "semanal", "1000", "500"}, R"("procedimiento_2016":"-27.83")"},
        {{"--json", "anual", "0", "500"}, R"("procedimiento_2016":"-500.00")"},
        // The top of the tariff is in it; past 10^13 a sum's cents are the typed ones.
        {{"--json", "mensual", "99,999,999.994"}, R"("procedimiento_2016":"34,990,904.22")"},
        {{"--json", "anual", "0", "9,999,999,999,999,999.99"},
         R"("procedimiento_2016":"-9,999,999,999,999,999.99")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fragment);
        const auto r = RunWith(c.args);
        EXPECT_EQ(r.status, kExitOk) << r.err;
        EXPECT_NE(r.out.find(c.fragment), std::string::npos) << c.fragment << "\n" << r.out;
    }
}

// A base above the top row would withhold nothing: it is refused with the top in the message,
// on one line (the arguments are well formed). The tops are the tables' own sentinels.
TEST(CommandLine, BasesBeyondTheTariffAreRefusedWithItsTop) {
    struct Case {
        std::string_view name;
        std::vector<std::string_view> args;
        std::string_view message;
    };
    const Case cases[] = {
        {"a cent above the monthly top",
         {"mensual", "100,000,000.00"},
         R"(BASE más allá de la tarifa Mensual (a lo sumo 99,999,999.99): "100,000,000.00")"},
        {"rounded above the weekly top",
         {"--json", "semanal", "9999999.995"},
         R"(BASE más allá de la tarifa Semanal (a lo sumo 9,999,999.99): "9999999.995")"},
        {"the annual top, with anexo8",
         {"--tablas", "anexo8", "anual", "100000000", "5"},
         R"(BASE más allá de la tarifa Anual (a lo sumo 99,999,999.99): "100000000")"},
        {"forty digits",
         {"quincenal", "1234567890123456789012345678901234567890"},
         "BASE más allá de la tarifa Quincenal (a lo sumo 9,999,999.99)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = RunWith(c.args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    const auto top = RunWith({"anual", "100,000,000"});
    EXPECT_EQ(top.err,
              "isr2016-cli: BASE más allá de la tarifa Anual (a lo sumo 99,999,999.99): "
              "\"100,000,000\"\n");
}

// As an empty suma_subsidio cell of a batch is.
TEST(CommandLine, AnEmptySubsidySumCountsAsZero) {
    const auto omitted = RunWith({"--json", "anual", "100000"});
    ASSERT_EQ(omitted.status, kExitOk) << omitted.err;
    EXPECT_NE(omitted.out.find(R"("suma_subsidio":"0.00")"), std::string::npos) << omitted.out;
    EXPECT_NE(omitted.out.find(R"("procedimiento_2016":"8,923.59")"), std::string::npos);
    const auto empty = RunWith({"--json", "anual", "100000", ""});
    EXPECT_EQ(empty.status, kExitOk) << empty.err;
    EXPECT_EQ(empty.out, omitted.out);
    const auto text = RunWith({"anual", "100000", ""});
    EXPECT_EQ(text.status, kExitOk) << text.err;
    EXPECT_EQ(text.out, RunWith({"anual", "100000", "0"}).out);
}

TEST(CommandLine, BadArgumentsExitTwoWithOneClearLineAndNoOutput) {
    struct Case {
        std::vector<std::string_view> args;
        std::string_view message;
    };
    const Case cases[] = {
        {{"mensual", "12a"}, "BASE no es un importe: \"12a\""},
        {{"mensual", "1e5"}, "BASE no es un importe"},
        {{"mensual", ""}, "BASE no es un importe: \"\""},
        {{"anual", "100", "5$"}, "SUMA_SUBSIDIO no es un importe: \"5$\""},
        {{"mensual", "1500,50"},
         "BASE la coma sólo separa miles (1,500.50): los centavos van tras un punto decimal: "
         "\"1500,50\""},
        {{"anual", "100", "10,000,000,000,000,000"},
         "SUMA_SUBSIDIO importe fuera de rango (a lo sumo 9,999,999,999,999,999.99): "
         "\"10,000,000,000,000,000\""},
        {{"--json", "semanal", "100", "-9999999999999999.995"},
         "SUMA_SUBSIDIO no puede ser negativo"},
        {{"bimestral", "100"}, "periodo desconocido: \"bimestral\""},
        {{"mensual"}, "se esperan PERIODO"},
        {{"mensual", "1", "2", "3"}, "se esperan PERIODO"},
        {{}, "se esperan PERIODO"},
        {{"--xml", "mensual", "100"}, "opción desconocida: \"--xml\""},
        {{"mensual", "-x"}, "opción desconocida: \"-x\""},
        {{"mensual", "-100"}, "BASE no puede ser negativo: \"-100\""},
        {{"anual", "100000", "-5"}, "SUMA_SUBSIDIO no puede ser negativo: \"-5\""},
        {{"--neto", "mensual", "-0.01"}, "NETO no puede ser negativo: \"-0.01\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const auto r = RunWith(c.args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.out, "");
        // The problem, then where to read more.
        EXPECT_TRUE(r.err.starts_with("isr2016-cli: ")) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.err.ends_with("\nPruebe \"isr2016-cli --help\" para más información.\n"))
            << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
    }
}

using test::Slurp;

TEST(CommandLine, CsvReadsAndWritesFilesOrTheStandardStreams) {
    const std::string input = "periodo,ingreso_gravable\nmensual,\"3,000\"\n";
    const auto dir = testing::TempDir() + "isr2016_cli_" + std::to_string(getpid());
    const auto inPath = dir + "_in.csv";
    const auto outPath = dir + "_out.csv";
    std::ofstream(inPath, std::ios::binary) << input;
    std::remove(outPath.c_str());

    const auto piped = RunWith({"--csv"}, input);
    EXPECT_EQ(piped.status, kExitOk) << piped.err;
    EXPECT_NE(piped.out.find(",-236.85,0.00,236.85,\n"), std::string::npos) << piped.out;
    const auto dashes = RunWith({"-", "--csv", "-"}, input);
    EXPECT_EQ(dashes.out, piped.out);

    const auto files = RunWith({"--csv", inPath, outPath});
    EXPECT_EQ(files.status, kExitOk) << files.err;
    EXPECT_EQ(files.out, "");
    EXPECT_EQ(Slurp(outPath), piped.out);

    // An unusable input leaves an existing output file alone.
    std::ofstream(inPath, std::ios::binary) << "nombre\nAna\n";
    const auto bad = RunWith({"--csv", inPath, outPath});
    EXPECT_EQ(bad.status, kExitUsage);
    EXPECT_EQ(Slurp(outPath), piped.out);
    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
}

TEST(CommandLine, CsvUsageErrors) {
    struct Case {
        std::vector<std::string_view> args;
        std::string_view message;
    };
    const Case cases[] = {
        {{"--csv", "--json"}, "--csv y --json no se combinan"},
        {{"--csv", "a", "b", "c"}, "--csv acepta a lo sumo ENTRADA y SALIDA"},
        {{"--csv", "/nonexistent/nomina.csv"},
         "no se puede abrir \"/nonexistent/nomina.csv\" para leer"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const auto r = RunWith(c.args, "periodo,ingreso_gravable\n");
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

// Worked by hand from the published tables: quincenal 35,000.00 lies in row 8 (30,838.81 to
// 41,118.45, fee 7,436.25, 32 %): 4,161.19 x 32 / 100 = 1,331.5808 -> 1,331.58 + 7,436.25. The
// program's own row 8 starts at 30,838.83 with a fee of 7,436.43, which gives 8,768.00.
TEST(CommandLine, TablasChoosesTheSetAndJsonNamesIt) {
    struct Case {
        std::string_view name;
        std::vector<std::string_view> args;
        std::vector<std::string_view> wanted;  // parts of the output
    };
    const Case cases[] = {
        {"published quincenal tax",
         {"--json", "--tablas", "anexo8", "quincenal", "35000"},
         {R"({"tablas":"anexo8","periodo":"Quincenal",)", R"("impuesto_determinado":"8,767.83")"}},
        {"the published set by default",
         {"--json", "quincenal", "35000"},
         {R"("impuesto_determinado":"8,767.83")"}},
        {"program's own quincenal tax",
         {"--json", "--tablas", "programa", "quincenal", "35000"},
         {R"({"tablas":"programa",)", R"("impuesto_determinado":"8,768.00")"}},
        {"published monthly fee of row 2",
         {"--json", "--tablas=anexo8", "mensual", "5000"},
         {R"("cuota_fija":"247.24")"}},
        {"program's set named when chosen",
         {"--tablas", "programa", "mensual", "5000"},
         {"Tablas                                    programa\nTipo de Tarifa"}},
        {"the option may follow the operands",
         {"mensual", "5000", "--json", "--tablas", "anexo8"},
         {R"("cuota_fija":"247.24")"}},
        {"the name in any case, the option abbreviated, named as the set is",
         {"--tab=ANEXO8", "--js", "mensual", "5000"},
         {R"({"tablas":"anexo8",)", R"("cuota_fija":"247.24")"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = RunWith(c.args);
        EXPECT_EQ(r.status, kExitOk) << r.err;
        for (const auto wanted : c.wanted) {
            EXPECT_NE(r.out.find(wanted), std::string::npos) << wanted << " in " << r.out;
        }
    }
    // Without the option the JSON has no "tablas" key at all.
    EXPECT_EQ(RunWith({"--json", "quincenal", "35000"}).out.find("tablas"), std::string::npos);
}

TEST(CommandLine, TablasRefusesANameNoSetHas) {
    const std::vector<std::string_view> refused[] = {
        {"--tablas", "anexo9", "mensual", "5000"},
        {"mensual", "5000", "--tablas"},
        {"--csv", "--tablas="},
    };
    for (const auto& args : refused) {
        SCOPED_TRACE(testing::Message() << args.front() << " " << args[1]);
        const auto r = RunWith(args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("(anexo8 o programa)"), std::string::npos) << r.err;
    }
}

TEST(CommandLine, CsvCalculatesWithTheChosenSet) {
    const auto r =
        RunWith({"--csv", "--tablas", "anexo8"}, "periodo,ingreso_gravable\nQuincenal,35000\n");
    EXPECT_EQ(r.status, kExitOk) << r.err;
    // Same columns as ever; the published figures in them.
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')).find("tablas"), std::string::npos);
    EXPECT_NE(r.out.find(R"("7,436.25","8,767.83")"), std::string::npos) << r.out;
}

TEST(CommandLine, HelpAndVersion) {
    const auto help = RunWith({"mensual", "--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("Estado de salida"), std::string::npos);
    EXPECT_NE(help.out.find("--csv [--tablas NOMBRE] [--resumen] [ENTRADA [SALIDA]]"),
              std::string::npos);
    EXPECT_NE(help.out.find("  1  con --csv"), std::string::npos);
    const auto version = RunWith({"--version"});
    EXPECT_EQ(version.status, kExitOk);
    EXPECT_EQ(version.out.rfind("isr2016-cli ", 0), 0u);
}

// The --tablas paragraph is made from the sets: each is named with its description, the default
// marked, and the filled lines stay as narrow as the rest of the help.
TEST(CommandLine, HelpDescribesEveryTableSetWithinTheHelpsWidth) {
    const auto help = RunWith({"--help"});
    std::string flowing;  // the help with its line breaks and indents as single blanks
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) {
        SCOPED_TRACE(line);
        const auto columns = std::count_if(line.begin(), line.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        });
        // The usage lines are a synopsis, one a line, as the man page has them: never filled.
        const bool synopsis = line.starts_with("uso: ") || line.starts_with("     isr2016-cli ");
        if (!synopsis) {
            EXPECT_LE(columns, 76);
        }
        const auto words = line.find_first_not_of(' ');
        if (words == std::string::npos) continue;
        if (!flowing.empty()) flowing += ' ';
        flowing += line.substr(words);
    }
    for (const TableSet* set : AllTableSets()) {
        SCOPED_TRACE(set->Name());
        std::string named = std::string(set->Name()) + " (" + std::string(set->Description());
        if (set == &DefaultTableSet()) named += ", por omisión";
        EXPECT_NE(flowing.find(named + ')'), std::string::npos) << flowing;
    }
    EXPECT_NE(
        flowing.find("anexo8 (las publicadas en el Anexo 8 de la RMF para 2016, por omisión) o "
                     "programa (las del programa)"),
        std::string::npos);
}

}  // namespace
}  // namespace isr::cli
