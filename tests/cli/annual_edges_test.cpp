// SPDX-License-Identifier: MIT
// isr2016-cli --ejercicio as a script runs it: on files, with a history larger than its memory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "child_process.h"
#include "test_files.h"

namespace isr {
namespace {

namespace fs = std::filesystem;

class AnnualEdges : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) / ("isr2016-annual-" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

// 300,000 quincenal payments of 12,500 employees, every employee's spread over the whole file: held
// whole, the payments alone would take some 40 MB. They go through sorted runs on the disk, and the
// temporary files go with the run.
TEST_F(AnnualEdges, AHistoryLargerThanItsMemoryIsGroupedOnTheDisk) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine";
#else
    constexpr int kEmployees = 12'500;
    const fs::path history = dir_ / "historia.csv";
    {
        std::ofstream file(history, std::ios::binary);
        file << "empleado,fecha_pago,fecha_inicial_pago,fecha_final_pago,ingreso_gravable,"
                "isr_retenido,periodo\n";
        for (int m = 1; m <= 12; ++m) {
            const std::string month = (m < 10 ? "2016-0" : "2016-") + std::to_string(m) + "-";
            for (const auto& [start, end] : {std::pair{"01", "15"}, std::pair{"16", "28"}}) {
                for (int e = 0; e < kEmployees; ++e) {
                    file << 'E' << e << ',' << month << end << ',' << month << start << ','
                         << (m == 12 && end[0] == '2' ? month + "31" : month + end)
                         << ",5000.00,421.11,Quincenal\n";
                }
            }
        }
    }
    const fs::path tmp = dir_ / "tmp";
    fs::create_directories(tmp);
    const fs::path peak = dir_ / "peak";
    const fs::path out = dir_ / "anual.csv";
    setenv("TMPDIR", tmp.c_str(), 1);
    const auto result = test::RunChild(
        PEAK_RESIDENT, {peak.string(), ISR2016_CLI, "--ejercicio", history.string(), out.string()});
    unsetenv("TMPDIR");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_LT(std::stol(test::Slurp(peak)), 32 * 1024);  // KiB
    EXPECT_TRUE(fs::is_empty(tmp));
    const auto text = test::Slurp(out);
    // 24 payments of 5,000.00, 10,106.64 withheld: the year's 120,000.00 owes 12,445.80.
    EXPECT_NE(text.find("\nE0,2016,24,2016-01-01,2016-12-31,\"120,000.00\",\"120,000.00\","
                        "\"12,445.80\",0.00,\"12,445.80\",\"10,106.64\",\"2,339.16\",a cargo,\n"),
              std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), kEmployees + 1);
#endif
}

struct OutputCase {
    std::string name;
    std::string input;
    std::string output;  // SALIDA, under the test's folder unless absolute
    int status;
    std::string err;
};

// SALIDA is replaced only by a finished run; a run that can't finish says why and leaves it be.
TEST_F(AnnualEdges, ReplacesSalidaOnlyWhenTheRunFinishes) {
    const std::string header = "empleado,fecha_pago,ingreso_gravable,isr_retenido,periodo\n";
    const OutputCase cases[] = {
        {"a finished run", header + "A,2016-01-31,4000,0,Mensual\n", "anual.csv", 0, ""},
        {"a header without a required column", "empleado,fecha_pago\n", "anual.csv", 2,
         "isr2016-cli: falta la columna ingreso_gravable\n"},
        {"a full disk", header + "A,2016-01-31,4000,0,Mensual\n", "/dev/full", 2,
         "isr2016-cli: no se pudo escribir la salida: no queda espacio en el disco\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path out = c.output.starts_with('/') ? fs::path(c.output) : dir_ / c.output;
        if (!c.output.starts_with('/')) test::Write(out, "antes\n");
        const auto result =
            test::RunChild(ISR2016_CLI, {"--ejercicio", "-", out.string()}, c.input);
        EXPECT_EQ(result.status, c.status);
        if (c.status == 2) {
            EXPECT_EQ(result.err, c.err);
            if (!c.output.starts_with('/')) {
                EXPECT_EQ(test::Slurp(out), "antes\n");
            }
        } else {
            // A January alone: the year is the employee's to file.
            EXPECT_TRUE(
                test::Slurp(out).ends_with(",no corresponde,el primer periodo empieza "
                                           "después del 1 de enero; el último periodo "
                                           "termina antes del 1 de diciembre; periodos "
                                           "tomados de fecha_pago\n"))
                << test::Slurp(out);
        }
    }
}

}  // namespace
}  // namespace isr
