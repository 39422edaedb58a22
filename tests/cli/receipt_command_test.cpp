// SPDX-License-Identifier: MIT
// isr2016-cli --recibos: the report, its order, its file and its exit status.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "run_in_memory.h"
#include "sample_receipts.h"
#include "zip_package.h"

namespace isr::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader =
    "archivo,uuid,version,rfc_emisor,rfc_receptor,curp,num_empleado,tipo_nomina,fecha_pago,"
    "periodicidad,dias_pagados,base_ordinaria,gravado_art174,isr_retenido,subsidio_entregado,"
    "subsidio_causado,neto_recibo,procedimiento_periodo,procedimiento_dias,procedimiento_mensual,"
    "metodo,via_art174,diferencia,dictamen,motivo\r\n";
// The published 2016 receipt after its file's name: 1,054.75 withheld, which only the 30.4
// method gives (the 15-day table gives 1,054.82).
constexpr std::string_view kReceipt11Record =
    ",6F3E2C1A-7B4D-4E8F-9A0B-1C2D3E4F5A6B,1.1,AAA010101AAA,PEGJ800101AB1,PEGJ800101HJCRRN05,120,"
    "O,2016-03-15,04,15,\"7,500.05\",0.00,\"1,054.75\",0.00,,\"1,054.75\",\"1,054.82\","
    "\"1,054.82\",\"1,054.75\",mensual,,,coincide,\r\n";
// The published 2017 receipt: 375.58, by the quincena's table (375.52 through the month).
constexpr std::string_view kReceipt12Record =
    ",6F3E2C1A-7B4D-4E8F-9A0B-1C2D3E4F5A6B,1.2,AAA010101AAA,PEGJ800101AB1,PEGJ800101HJCRRN05,120,"
    "O,2017-01-15,04,15,\"4,165.56\",0.00,375.58,0.00,0.00,375.58,375.58,375.58,375.52,periodo,,,"
    "coincide,\r\n";

class ReceiptCommand : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("recibos-" + std::to_string(getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string& relative, const std::string& bytes) {
        const auto path = folder_ / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.native();
    }
    std::string Path(const std::string& relative) const { return (folder_ / relative).native(); }
    static std::string Read(const std::string& path) {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }

    fs::path folder_;
};

const std::string kXml11 = test::ToXml(test::Receipt11(), test::SatPrefixes());
const std::string kXml12 = test::ToXml(test::Receipt12OnCfdi33(), test::SatPrefixes());

TEST_F(ReceiptCommand, ReportsEachReceiptAfterTheHeader) {
    const auto a = Write("a.xml", kXml11);
    const auto b = Write("b.xml", kXml12);
    const auto outcome = RunWith({"--recibos", a, b});
    EXPECT_EQ(outcome.status, kExitOk) << outcome.err;
    EXPECT_EQ(outcome.out, std::string(kHeader) + a + std::string(kReceipt11Record) + b +
                               std::string(kReceipt12Record));
    EXPECT_EQ(outcome.err, "");
}

TEST_F(ReceiptCommand, AZipReportsAsItsFilesDo) {
    const auto zip = Path("paquete.zip");
    test::WriteZip(zip, {{"a.xml", kXml11}, {"b.xml", kXml12}});
    const auto outcome = RunWith({"--recibos", zip});
    EXPECT_EQ(outcome.status, kExitOk) << outcome.err;
    EXPECT_EQ(outcome.out, std::string(kHeader) + zip + ":a.xml" + std::string(kReceipt11Record) +
                               zip + ":b.xml" + std::string(kReceipt12Record));
}

TEST_F(ReceiptCommand, ManyReceiptsKeepTheirOrderWhateverTheWorkers) {
    // More than a few chunks, so that several workers take part.
    constexpr int kReceipts = 1'500;
    std::string expected(kHeader);
    for (int i = 0; i < kReceipts; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "r%05d.xml", i);
        expected += Write(name, kXml11) + std::string(kReceipt11Record);
    }
    const auto outcome = RunWith({"--recibos", folder_.native()});
    EXPECT_EQ(outcome.status, kExitOk) << outcome.err;
    EXPECT_TRUE(outcome.out == expected);
}

TEST_F(ReceiptCommand, FilesReadByTheWorkersKeepTheirPlaceAmongZipEntriesAndRefusals) {
    // Files are read by whichever worker takes them, a ZIP's entries and refusals on the main
    // thread: the report keeps the order of the arguments across every chunk all the same.
    constexpr int kReceipts = 300;
    std::vector<std::string> args{"--recibos"};
    std::string expected(kHeader);
    const auto addFolder = [&](const std::string& folder) {
        for (int i = 0; i < kReceipts; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "/r%05d.xml", i);
            expected += Write(folder + name, kXml11) + std::string(kReceipt11Record);
        }
        args.push_back(Path(folder));
    };
    addFolder("uno");
    const auto zip = Path("paquete.zip");
    test::WriteZip(zip, {{"a.xml", kXml12}, {"b.xml", kXml11}});
    args.push_back(zip);
    expected += zip + ":a.xml" + std::string(kReceipt12Record) + zip + ":b.xml" +
                std::string(kReceipt11Record);
    const auto broken = Write("roto.xml", "<cfdi:Comprobante");
    args.push_back(broken);
    addFolder("dos");
    const auto outcome = RunWith(std::vector<std::string_view>(args.begin(), args.end()));
    EXPECT_EQ(outcome.status, kExitBadRows) << outcome.err;
    const auto brokenAt = outcome.out.find("\r\n" + broken + ",");
    ASSERT_NE(brokenAt, std::string::npos);
    // The broken file's row, whatever expat says of it, between the ZIP's and the second folder's.
    const auto rowEnd = outcome.out.find("\r\n", brokenAt + 2);
    ASSERT_NE(rowEnd, std::string::npos);
    const auto withoutBroken = outcome.out.substr(0, brokenAt) + outcome.out.substr(rowEnd);
    EXPECT_TRUE(withoutBroken == expected);
}

TEST_F(ReceiptCommand, ExitStatusAndSummary) {
    auto differs = test::Receipt11();
    differs.Find(test::kNomina11, "Deduccion").Set("ImporteExento", "1060.00");
    const auto good = Write("bien.xml", kXml11);
    const auto off = Write("difiere.xml", test::ToXml(differs, test::SatPrefixes()));
    const auto broken = Write("roto.xml", "<cfdi:Comprobante");
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* err;  // the start of what is said
    } kCases[] = {
        {"all agree", {"--recibos", good}, kExitOk, ""},
        {"one differs", {"--recibos", good, off}, kExitBadRows, ""},
        {"one differs within the tolerance",
         {"--tolerancia", "5.18", "--recibos", off},
         kExitOk,
         ""},
        {"one not audited", {"--recibos", broken, good}, kExitBadRows, ""},
        {"a path that can't be read",
         {"--recibos", good, Path("no.xml")},
         kExitUsage,
         "isr2016-cli: no se puede leer"},
        {"no path", {"--recibos"}, kExitUsage, "isr2016-cli: --recibos necesita al menos una RUTA"},
        {"a bad tolerance",
         {"--recibos", "--tolerancia=-1", good},
         kExitUsage,
         "isr2016-cli: --tolerancia no es un importe de 0.00 en adelante: \"-1\""},
        {"unknown tables",
         {"--recibos", "--tablas", "2017", good},
         kExitUsage,
         "isr2016-cli: tablas desconocidas: \"2017\""},
        {"an option of another mode",
         {"--recibos", "--json", good},
         kExitUsage,
         "isr2016-cli: opción desconocida con --recibos: \"--json\""},
        {"--salida without a name",
         {"--recibos", good, "--salida"},
         kExitUsage,
         "isr2016-cli: --salida necesita un valor"},
        {"--resumen",
         {"--recibos", "--resumen", good, off, broken},
         kExitBadRows,
         "recibos: 3\nauditados: 2\ncoinciden: 1\n  periodo: 0\n  dias: 0\n  mensual: 1\n"
         "difieren: 1\nsuma de las diferencias: 5.18\nno auditados: 1\n"
         "  ilegibles o incompletos: 1\n"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string_view> args(c.args.begin(), c.args.end());
        const auto outcome = RunWith(args);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.err.rfind(c.err, 0), 0u) << outcome.err;
        if (c.status == kExitUsage) {
            EXPECT_EQ(outcome.out, "");
        }
    }
}

TEST_F(ReceiptCommand, SalidaIsReplacedOnlyByAFinishedRun) {
    const auto good = Write("bien.xml", kXml11);
    const auto report = Write("informe.csv", "el informe de ayer");
    const auto failed = RunWith({"--recibos", "--salida", report, good, Path("no.xml")});
    EXPECT_EQ(failed.status, kExitUsage);
    EXPECT_EQ(Read(report), "el informe de ayer");
    const auto finished = RunWith({"--recibos", "--salida=" + report, good});
    EXPECT_EQ(finished.status, kExitOk) << finished.err;
    EXPECT_EQ(finished.out, "");
    EXPECT_EQ(Read(report), std::string(kHeader) + good + std::string(kReceipt11Record));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace isr::cli
