// SPDX-License-Identifier: MIT
// The arguments read the GNU way: the mode chosen once, options anywhere, values after "=" or as
// the next argument, abbreviations, amounts that look like options, and "--".
#include "cli/options.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tariffs/table_sets.h"

namespace isr::cli {
namespace {

struct Accepted {
    std::string_view name;
    std::vector<std::string_view> args;
    Mode mode;
    std::vector<std::string_view> operands;
    std::string_view tables;  // the set's name; the default set's when not chosen
    bool json = false;
};

TEST(ReadArguments, ChoosesTheModeAndKeepsTheOperandsInOrder) {
    const Accepted rows[] = {
        {"a calculation", {"mensual", "5"}, Mode::kCalculation, {"mensual", "5"}, "anexo8"},
        {"options among the operands",
         {"mensual", "--json", "5", "--tablas", "programa"},
         Mode::kCalculation,
         {"mensual", "5"},
         "programa",
         true},
        {"a value after =, a name in any case",
         {"--tablas=PROGRAMA", "--neto", "mensual", "5"},
         Mode::kGrossUp,
         {"mensual", "5"},
         "programa"},
        {"abbreviated long options",
         {"--pa", "--js", "ptu", "1", "2"},
         Mode::kPayment,
         {"ptu", "1", "2"},
         "anexo8",
         true},
        {"amounts that look like options stay operands",
         {"anual", "-0.004", "-.5"},
         Mode::kCalculation,
         {"anual", "-0.004", "-.5"},
         "anexo8"},
        {"an amount as an option's value",
         {"--pago", "--salario-minimo", "-5", "ptu", "1", "2"},
         Mode::kPayment,
         {"ptu", "1", "2"},
         "anexo8"},
        {"after --, options are operands",
         {"mensual", "--", "--json", "-x"},
         Mode::kCalculation,
         {"mensual", "--json", "-x"},
         "anexo8"},
        {"the same mode twice", {"--csv", "--csv", "--resumen", "-"}, Mode::kCsv, {"-"}, "anexo8"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto read = ReadArguments(row.args);
        const auto* options = std::get_if<Options>(&read);
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(options->mode, row.mode);
        EXPECT_EQ(options->operands, row.operands);
        EXPECT_EQ(options->tables->Name(), row.tables);
        EXPECT_EQ(options->json, row.json);
    }
}

// A value after "=" is part of the caller's argument, however long, and outlives the reading.
TEST(ReadArguments, AValueAfterEqualsIsTheArgumentsOwnText) {
    const std::string wage = "--salario-minimo=" + std::string(100, '9');
    const std::vector<std::string_view> args = {"--pago", wage, "ptu", "1", "2"};
    const auto read = ReadArguments(args);
    ASSERT_TRUE(std::holds_alternative<Options>(read));
    const auto minimumWage = std::get<Options>(read).minimumWage;
    ASSERT_TRUE(minimumWage.has_value());
    EXPECT_EQ(minimumWage->data(), wage.data() + wage.find('=') + 1);
    EXPECT_EQ(*minimumWage, std::string(100, '9'));
}

TEST(ReadArguments, HelpAndVersionAnswerWhateverElseIsThere) {
    EXPECT_EQ(
        std::get<Request>(ReadArguments(std::vector<std::string_view>{"--csv", "--neto", "-hx"})),
        Request::kHelp);
    EXPECT_EQ(std::get<Request>(ReadArguments(std::vector<std::string_view>{"x", "--vers"})),
              Request::kVersion);
}

struct Refused {
    std::vector<std::string_view> args;
    std::string_view problem;
};

TEST(ReadArguments, SaysWhatIsWrong) {
    const Refused rows[] = {
        {{"--neto", "--csv"},
         "--csv y --neto no se combinan: una nómina de netos lleva una columna neto"},
        {{"--csv", "--pago"}, "--pago no se combina con --csv ni con --neto"},
        {{"--pago", "--neto", "ptu", "1", "2"}, "--pago no se combina con --csv ni con --neto"},
        {{"--resumen", "mensual", "5"}, "--resumen sólo cuenta con --csv o --ejercicio"},
        {{"--csv", "--json"}, "--csv y --json no se combinan"},
        {{"--salario-minimo", "80", "mensual", "5"}, "--salario-minimo sólo cuenta con --pago"},
        {{"mensual", "5", "--tablas"}, "--tablas necesita un nombre (anexo8 o programa)"},
        {{"--pago", "--salario-minimo"}, "--salario-minimo necesita un importe"},
        {{"--tablas", "anexo9", "mensual", "5"},
         "tablas desconocidas: \"anexo9\" (anexo8 o programa)"},
        {{"mensual", "5", "-qh"}, "opción desconocida: \"-q\""},
        {{"--json=1", "mensual", "5"}, "opción desconocida: \"--json=1\""},
        {{"--xml"}, "opción desconocida: \"--xml\""},
        {{"mensual"}, "se esperan PERIODO, BASE y, opcionalmente, SUMA_SUBSIDIO"},
        {{"--neto", "a", "b", "c", "d"},
         "se esperan PERIODO, NETO y, opcionalmente, SUMA_SUBSIDIO"},
        {{"--pago", "ptu", "1"},
         "se esperan CONCEPTO, INGRESO_MENSUAL, IMPORTE y, opcionalmente, DOMINGOS"},
        {{"--csv", "a", "b", "c"}, "--csv acepta a lo sumo ENTRADA y SALIDA"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.problem);
        const auto read = ReadArguments(row.args);
        const auto* problem = std::get_if<UsageProblem>(&read);
        ASSERT_NE(problem, nullptr);
        EXPECT_EQ(problem->text, row.problem);
    }
}

}  // namespace
}  // namespace isr::cli
