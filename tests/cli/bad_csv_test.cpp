// SPDX-License-Identifier: MIT
// Hostile input to isr2016-cli --csv, run as a separate process. An input that cannot be used as
// a whole (no file, a directory, no header, a missing or repeated column) gets exit status 2, no
// output and one message. Anything else gets one output record per input record, in order, and
// status 1 when some row is bad; every message stays short, valid UTF-8 without control
// characters.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "clean_messages.h"

namespace isr {
namespace {

// The first field of each record of an RFC 4180 text.
std::vector<std::string> FirstFields(const std::string& csv) {
    std::vector<std::string> firsts;
    std::string field;
    bool quoted = false;
    bool atFirst = true;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                field += c;
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',' || c == '\n') {
            if (atFirst) firsts.push_back(field);
            atFirst = c == '\n';
            field.clear();
        } else if (atFirst && c != '\r') {
            field += c;
        }
    }
    return firsts;
}

struct Row {
    std::string name;
    std::vector<std::string> args;  // after --csv
    std::string input;              // on stdin
    int status;
    std::string message;  // a fragment of stderr
};

constexpr std::string_view kHeader = "id,periodo,ingreso_gravable,suma_subsidio\n";

// Data rows numbered from 1 in the id column, so that the output shows which came through.
std::string Numbered(const std::vector<std::string>& rows) {
    std::string csv(kHeader);
    for (std::size_t i = 0; i < rows.size(); ++i)
        csv += std::to_string(i + 1) + ',' + rows[i] + '\n';
    return csv;
}

std::string ManyFields(std::size_t count) {
    std::string fields = "mensual,100,0";
    for (std::size_t i = 3; i < count; ++i) fields += ",x";
    return fields;
}

class BadCsv : public testing::Test {
  protected:
    void SetUp() override {
        // One folder per process: CTest runs the cases of this fixture side by side.
        dir_ = std::filesystem::path(testing::TempDir()) /
               ("isr2016-bad-csv-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;
};

TEST_F(BadCsv, UnusableInputGetsStatusTwoAndNoOutput) {
    const std::string missing = (dir_ / "no-existe.csv").string();
    const Row rows[] = {
        {"a file that does not exist", {missing}, "", 2, "no se puede abrir \"" + missing},
        {"a directory to read",
         {dir_.string()},
         "",
         2,
         "no se pudo leer la entrada: es un directorio"},
        {"a directory to write",
         {"-", dir_.string()},
         Numbered({"mensual,1,"}),
         2,
         "para escribir: es un directorio"},
        {"empty input", {}, "", 2, "la entrada está vacía"},
        {"only blank lines", {}, "\n\n\r\n", 2, "la entrada está vacía"},
        {"missing header", {}, "mensual,100\nanual,5\n", 2, "falta la columna \"periodo\""},
        {"duplicated column",
         {},
         "periodo,ingreso_gravable,PERIODO\nmensual,1,2\n",
         2,
         "la columna \"periodo\" aparece dos veces"},
        {"NUL in a column name",
         {},
         std::string("periodo\0,ingreso_gravable\n", 26),
         2,
         "falta la columna \"periodo\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args{"--csv"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const auto result = test::RunChild(ISR2016_CLI, args, row.input);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, "");
        ASSERT_EQ(test::Lines(result.err).size(), 1u) << result.err;
        EXPECT_NE(result.err.find("isr2016-cli: "), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
        test::ExpectCleanMessages(result.err);
    }
}

TEST_F(BadCsv, EveryRecordComesOutOnceAndInOrder) {
    const std::string tenMegabytes(10 << 20, '9');
    const std::string nul("\0", 1);
    struct Case {
        std::string name;
        std::vector<std::string> rows;
        std::vector<std::string> messages;  // one fragment per bad row, in order
    };
    const Case cases[] = {
        {"a good row", {"mensual,3000,"}, {}},
        {"a 10 MB line", {"mensual," + tenMegabytes + ",", "mensual,1,"}, {"línea 2, columna"}},
        {"a 10 MB quoted line", {"anual,1,\"" + tenMegabytes + "\"", "anual,2,"}, {"línea 2"}},
        {"a row with 1,000 columns", {ManyFields(999), "semanal,5,"}, {"campo de más"}},
        {"a row of a million separators",
         {std::string(1'000'000, ','), "semanal,5,"},
         {"línea 2, columna 100001: registro de más de 100,000 campos"}},
        {"NUL in a cell",
         {"men" + nul + "sual,100,", "mensual,1" + nul + ","},
         {R"(periodo desconocido: "men\x00sual")", R"(no es un importe: "1\x00")"}},
        {"NUL as a whole cell", {nul + ",1,", "mensual,5,"}, {R"(desconocido: "\x00")"}},
        {"invalid UTF-8", {"\xff\xfe,1,", "mensual,\xc3,"}, {R"("\xff\xfe")", R"("\xc3")"}},
        {"terminal escape", {"\x1b[2J,1,"}, {R"("\x1b[2J")"}},
        {"hostile amounts",
         {"mensual,1e5,", "mensual,+5,", "mensual,5 0,", "mensual,5-,", "mensual,5$,",
          "mensual,\"1,2,3.4.5\",", "anual,1," + std::string(400, '9'), "anual,1,-"},
         {R"("1e5")", R"("+5")", R"("5 0")", R"("5-")", R"("5$")",
          R"(la coma sólo separa miles (1,500.50): los centavos van tras un punto decimal: "1,2,3.4.5")",
          "(suma_subsidio): importe fuera de rango (a lo sumo 9,999,999,999,999,999.99): \"" +
              std::string(40, '9') + "…\"",
          R"((suma_subsidio): no es un importe: "-")"}},
        {"look-alike but valid",
         {"mensual,\"1,234.4\",", "Anual,-0.001,\"1,000\"", "anual,1,0." + std::string(398, '9'),
          "mensual, 5 ,", "mensual,\"$7,500.00\",", " Quincenal ,1,"},
         {}},
        {"negative amounts",
         {"Anual,-5,\"1,000\"", "anual,5,-1", "mensual,1,"},
         {"línea 2, columna 3 (ingreso_gravable): no puede ser negativo: \"-5\"",
          "línea 3, columna 4 (suma_subsidio): no puede ser negativo: \"-1\""}},
        {"bases beyond the tariff",
         {"mensual,100000000,", "semanal,9999999.99,", "semanal,10000000,",
          "mensual," + std::string(400, '9') + ","},
         {"línea 2, columna 3 (ingreso_gravable): más allá de la tarifa Mensual (a lo sumo "
          "99,999,999.99): \"100000000\"",
          "línea 4, columna 3 (ingreso_gravable): más allá de la tarifa Semanal (a lo sumo "
          "9,999,999.99)",
          "línea 5, columna 3 (ingreso_gravable): más allá de la tarifa Mensual"}},
        {"a bad column name in a message", {"mensual,x,"}, {"(ingreso_gravable)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = test::RunChild(ISR2016_CLI, {"--csv"}, Numbered(c.rows));
        EXPECT_EQ(result.status, c.messages.empty() ? 0 : 1);
        std::vector<std::string> expectedIds{"id"};
        for (std::size_t i = 1; i <= c.rows.size(); ++i) expectedIds.push_back(std::to_string(i));
        EXPECT_EQ(FirstFields(result.out), expectedIds);

        const auto lines = test::Lines(result.err);
        ASSERT_EQ(lines.size(), c.messages.size()) << result.err;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_NE(lines[i].find(c.messages[i]), std::string::npos) << lines[i];
        }
        test::ExpectCleanMessages(result.err);
    }
}

}  // namespace
}  // namespace isr
