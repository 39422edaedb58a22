// SPDX-License-Identifier: MIT
// Values an attacker or a careless clerk would try, each run as a separate process of the
// installed isr2016-cli: a row per case with the command, what it reads, the exit status, what
// stdout and the output file hold afterwards, and what stderr says. A value beyond what an amount
// holds is refused by name, never cut to the largest amount and calculated; a file of results run
// again is refused rather than given a second set of result columns; a field's invisible controls
// show escaped in every message.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "clean_messages.h"
#include "test_files.h"

namespace isr {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHelpLine = "Pruebe \"isr2016-cli --help\"";
const std::string kBeyondAnyAmount = "99999999999999999999";
const std::string kRangeNote = "importe fuera de rango (a lo sumo 9,999,999,999,999,999.99)";
// The largest minimum wage the exemption takes: 53 Sundays of it are the largest amount.
const std::string kLargestMinimumWage = "188679245283018.86";
const std::string kIncomesHeader =
    "periodo,ingreso_gravable,isr_limite_inferior,isr_excedente,isr_porcentaje,isr_cuota_fija,"
    "isr_impuesto_determinado,subsidio_limite_inferior,subsidio_limite_superior,subsidio,"
    "procedimiento_2016,error\n";
const std::string kResultsOfOneRow =
    kIncomesHeader +
    "Mensual,3000,496.08,\"2,503.92\",6.40,9.52,169.77,\"2,653.39\",\"3,472.84\","
    "406.62,-236.85,\n";

struct Row {
    std::string name;
    // "IN" and "OUT" stand for the paths of the input and output files in a fresh folder.
    std::vector<std::string> args;
    std::string stdinText;
    std::optional<std::string> inFile;   // written as IN before the run
    std::optional<std::string> outFile;  // written as OUT before the run, and unchanged by it
    int status;
    std::vector<std::string> outHas;  // stdout holds each; none: stdout is empty
    std::vector<std::string> errHas;  // stderr holds each; none: stderr is empty
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

std::vector<Row> Rows() {
    const std::string rtlo = "\xE2\x80\xAE";
    const std::string bom = "\xEF\xBB\xBF";
    return {
        {"a net beyond any amount is refused, where the sum alone would net the largest",
         {"--neto", "anual", kBeyondAnyAmount, "9999999999999999.99"},
         "",
         std::nullopt,
         std::nullopt,
         2,
         {},
         {"isr2016-cli: NETO " + kRangeNote + ": \"" + kBeyondAnyAmount + "\"",
          std::string(kHelpLine)}},
        {"the largest net itself is met by the sum",
         {"--json", "--neto", "anual", "9999999999999999.99", "9999999999999999.99"},
         "",
         std::nullopt,
         std::nullopt,
         0,
         {R"("ingreso_gravable":"0.00")", R"("neto":"9,999,999,999,999,999.99","exacto":true)"},
         {}},
        {"a payroll of nets refuses the row, naming its column",
         {"--csv"},
         "periodo,neto,suma_subsidio\nAnual," + kBeyondAnyAmount + ",9999999999999999.99\n",
         std::nullopt,
         std::nullopt,
         1,
         {",,,\"línea 2, columna 2 (neto): " + kRangeNote + ": \"\"" + kBeyondAnyAmount +
          "\"\"\"\n"},
         {"isr2016-cli: línea 2, columna 2 (neto): " + kRangeNote}},
        {"a payment beyond any amount is refused, even all exempt under the largest wage",
         {"--pago", "--salario-minimo", kLargestMinimumWage, "prima-dominical", "0",
          kBeyondAnyAmount, "53"},
         "",
         std::nullopt,
         std::nullopt,
         2,
         {},
         {"isr2016-cli: IMPORTE " + kRangeNote + ": \"" + kBeyondAnyAmount + "\"",
          std::string(kHelpLine)}},
        {"an income beyond the tariff is named first, as the first field at fault",
         {"--pago", "aguinaldo", kBeyondAnyAmount, kBeyondAnyAmount},
         "",
         std::nullopt,
         std::nullopt,
         2,
         {},
         {"isr2016-cli: INGRESO_MENSUAL más allá de la tarifa mensual"}},
        {"a minimum wage beyond any amount is refused",
         {"--pago", "--salario-minimo", kBeyondAnyAmount, "aguinaldo", "0", "1000"},
         "",
         std::nullopt,
         std::nullopt,
         2,
         {},
         {"isr2016-cli: --salario-minimo " + kRangeNote}},
        {"a payroll of payments refuses the row, naming its column",
         {"--csv"},
         "concepto,ingreso_mensual,importe,domingos,salario_minimo\nprima-dominical,0," +
             kBeyondAnyAmount + ",53," + kLargestMinimumWage + "\n",
         std::nullopt,
         std::nullopt,
         1,
         {",,,,,,,,,,,,,,,\"línea 2, columna 3 (importe): " + kRangeNote},
         {"isr2016-cli: línea 2, columna 3 (importe): " + kRangeNote}},
        {"a results file run again in place is refused and left as it was",
         {"--csv", "IN", "IN"},
         "",
         kResultsOfOneRow,
         std::nullopt,
         2,
         {},
         {"isr2016-cli: la columna \"isr_limite_inferior\" de la entrada se llama como una de "
          "los resultados"}},
        {"a results file run again into another file leaves that file alone",
         {"--csv", "IN", "OUT"},
         "",
         kResultsOfOneRow,
         "anterior\n",
         2,
         {},
         {"la columna \"isr_limite_inferior\""}},
        {"a column named error, in any case, is refused",
         {"--csv"},
         "periodo,ingreso_gravable,Error\nMensual,100,x\n",
         std::nullopt,
         std::nullopt,
         2,
         {},
         {"isr2016-cli: la columna \"Error\" de la entrada se llama como una de los resultados"}},
        {"a payroll of nets refuses a column named like one it adds",
         {"--csv"},
         "periodo,neto,neto_buscado\nMensual,100,x\n",
         std::nullopt,
         std::nullopt,
         2,
         {},
         {"la columna \"neto_buscado\""}},
        {"a payroll of payments refuses one of its figures' names",
         {"--csv"},
         "concepto,ingreso_mensual,importe,art96_retencion\naguinaldo,100,100,x\n",
         std::nullopt,
         std::nullopt,
         2,
         {},
         {"la columna \"art96_retencion\""}},
        {"a right-to-left override in a field shows escaped",
         {"--csv"},
         "periodo,ingreso_gravable,nota\nMensual,1" + rtlo + "00," + rtlo + "x\n",
         std::nullopt,
         std::nullopt,
         1,
         // The output file carries the fields as they were: it is data, not a message.
         {"Mensual,1" + rtlo + "00," + rtlo + "x,,"},
         {"línea 2, columna 2 (ingreso_gravable): no es un importe: \"1\\xe2\\x80\\xae00\""}},
        {"so does a byte order mark inside a field",
         {"--csv"},
         "periodo,ingreso_gravable\nMensual,12" + bom + "3\n",
         std::nullopt,
         std::nullopt,
         1,
         {"Mensual,12" + bom + "3,,"},
         {"línea 2, columna 2 (ingreso_gravable): no es un importe: \"12\\xef\\xbb\\xbf3\""}},
        {"an argument's override shows escaped too",
         {"mensual", "5" + rtlo},
         "",
         std::nullopt,
         std::nullopt,
         2,
         {},
         {"BASE no es un importe: \"5\\xe2\\x80\\xae\""}},
    };
}

using test::Slurp;

class HostileValues : public testing::TestWithParam<Row> {
  protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) / ("isr2016-values-" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

TEST_P(HostileValues, AreRefusedByNameAndLeaveTheFilesAsTheyWere) {
    const Row& row = GetParam();
    const fs::path in = dir_ / "nomina.csv";
    const fs::path out = dir_ / "resultados.csv";
    if (row.inFile) std::ofstream(in, std::ios::binary) << *row.inFile;
    if (row.outFile) std::ofstream(out, std::ios::binary) << *row.outFile;
    std::vector<std::string> args = row.args;
    for (auto& arg : args) {
        if (arg == "IN") arg = in.string();
        if (arg == "OUT") arg = out.string();
    }

    const auto run = test::RunChild(ISR2016_CLI, args, row.stdinText);

    EXPECT_EQ(run.status, row.status) << run.err;
    if (row.outHas.empty()) {
        EXPECT_EQ(run.out, "");
    }
    for (const auto& part : row.outHas) EXPECT_NE(run.out.find(part), std::string::npos) << run.out;
    if (row.errHas.empty()) {
        EXPECT_EQ(run.err, "");
    }
    for (const auto& part : row.errHas) EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
    test::ExpectCleanMessages(run.err);
    if (row.inFile) {
        EXPECT_EQ(Slurp(in), *row.inFile);
    }
    if (row.outFile) {
        EXPECT_EQ(Slurp(out), *row.outFile);
    }
    // Nothing else was left in the folder: no temporary file.
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_)) ++files;
    EXPECT_EQ(files, (row.inFile ? 1u : 0u) + (row.outFile ? 1u : 0u));
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileValues, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<Row>& info) {
                             std::string name;
                             for (const char c : info.param.name) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace isr
