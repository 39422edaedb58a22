// SPDX-License-Identifier: MIT
// isr2016-cli --recibos --ejercicio: an employee's year from the receipts of its payments.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "run_in_memory.h"
#include "sample_receipts.h"

namespace isr::cli {
namespace {

namespace fs = std::filesystem;

class ReceiptYear : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("recibos-ejercicio-" + std::to_string(getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Write(const std::string& name, const test::XmlNode& receipt) {
        std::ofstream(folder_ / name, std::ios::binary)
            << test::ToXml(receipt, test::SatPrefixes());
    }

    // The 2016 quincenas of the published 1.1 receipt, each paid on its last day: 7,500.05 taxed,
    // 1,054.75 withheld, no subsidy at that pay.
    void WriteQuincenas(int firstMonth) {
        constexpr int kLastDay[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int m = firstMonth; m <= 12; ++m) {
            const std::string month = (m < 10 ? "2016-0" : "2016-") + std::to_string(m) + "-";
            const std::string last = month + std::to_string(kLastDay[m - 1]);
            for (const auto& [start, end] :
                 {std::pair{month + "01", month + "15"}, std::pair{month + "16", last}}) {
                auto receipt = test::Receipt11();
                test::NominaOf(receipt)
                    .Set("FechaPago", end)
                    .Set("FechaInicialPago", start)
                    .Set("FechaFinalPago", end);
                Write("q" + end + ".xml", receipt);
            }
        }
    }

    fs::path folder_;
};

constexpr std::string_view kHeader =
    "empleado,ejercicio,pagos,primer_periodo,ultimo_periodo,ingreso_gravable,ingreso_total,"
    "isr_tarifa,subsidio_causado,isr_ejercicio,isr_retenido,diferencia,resultado,motivo\n";

TEST_F(ReceiptYear, GivesTheReceiverTheYearOfItsOrdinaryReceipts) {
    WriteQuincenas(1);
    // An extraordinary payroll is not the employer's ordinary pay: it stays out.
    auto extraordinary = test::Receipt12OnCfdi33();
    test::NominaOf(extraordinary).Set("TipoNomina", "E").Set("FechaPago", "2016-12-20");
    Write("extraordinaria.xml", extraordinary);
    const auto run = RunWith({"--recibos", "--ejercicio", folder_.native()});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    // 180,001.20 through the annual tariff is 25,138.89; 25,314.00 withheld: 175.11 given back.
    EXPECT_EQ(run.out, std::string(kHeader) +
                           "PEGJ800101AB1,2016,24,2016-01-01,2016-12-31,\"180,001.20\","
                           "\"180,001.20\",\"25,138.89\",0.00,\"25,138.89\",\"25,314.00\","
                           "-175.11,a favor,\n");
}

TEST_F(ReceiptYear, SaysWhichReceiptsCouldNotBeRead) {
    WriteQuincenas(3);
    std::ofstream(folder_ / "roto.xml") << "<cfdi:Comprobante";
    const auto run = RunWith({"--recibos", "--ejercicio", "--resumen", folder_.native()});
    EXPECT_EQ(run.status, kExitBadRows);
    EXPECT_NE(run.out.find(",no corresponde,el primer periodo empieza después del 1 de enero\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.err.find("roto.xml\": "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("no corresponde: 1\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("pagos con error: 1\n"), std::string::npos) << run.err;
}

TEST_F(ReceiptYear, TakesMesesOnlyWithEjercicio) {
    const auto run = RunWith({"--recibos", "--meses", folder_.native()});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_NE(run.err.find("--meses sólo cuenta con --ejercicio"), std::string::npos);
}

}  // namespace
}  // namespace isr::cli
