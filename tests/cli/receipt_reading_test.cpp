// SPDX-License-Identifier: MIT
// Receipts read from XML text by expat, from folders and from ZIP packages: the same rows as the
// mapping gives the same tree, whatever the prefixes; hostile files refused, one row each.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/receipt_sources.h"
#include "cli/receipt_xml.h"
#include "receipts/periodicity.h"
#include "sample_receipts.h"
#include "zip_package.h"

namespace isr::cli {
namespace {

namespace fs = std::filesystem;
using test::XmlNode;

// Every field of a row, to compare rows read two ways.
std::string Describe(const ReceiptRow& row) {
    std::ostringstream out;
    out << (row.version ? static_cast<int>(*row.version) : -1) << '|' << row.uuid << '|'
        << row.issuerRfc << '|' << row.receiverRfc << '|' << row.curp << '|' << row.employeeNumber
        << '|' << row.problem;
    if (row.figures) {
        const auto& f = *row.figures;
        out << '|' << static_cast<int>(f.kind) << '|' << f.paymentDate << '|' << f.periodStart
            << '|' << f.periodEnd << '|' << f.daysPaid.thousandths << '|'
            << PeriodicityCode(f.periodicity) << '|' << f.isrWithheld.Count() << '|'
            << f.subsidyDelivered.Count() << '|'
            << (f.subsidyCaused ? f.subsidyCaused->Count() : -1);
        for (const auto& p : f.perceptions) {
            out << '|' << p.type << ':' << p.taxed.Count() << ':' << p.exempt.Count();
        }
    }
    return out.str();
}

std::string DescribeAll(const std::vector<ReceiptRow>& rows) {
    std::string all;
    for (const auto& row : rows) all += Describe(row) + "\n";
    return all;
}

std::string FromTree(const XmlNode& receipt) {
    ReceiptMapping mapping;
    test::Feed(mapping, receipt);
    return DescribeAll(mapping.Finish());
}

std::string FromText(const std::string& xml) {
    ReceiptXml reader;
    return DescribeAll(reader.Read(xml));
}

XmlNode TwoComplements() {
    auto receipt = test::Receipt12OnCfdi33();
    auto second = test::NominaOf(receipt);
    second.Set("TipoNomina", "E").Find(test::kNomina12, "Receptor").Set("NumEmpleado", "121");
    auto& complemento = receipt.Find(test::kCfdi, "Complemento");
    complemento.children.insert(complemento.children.begin() + 1, second);
    return receipt;
}

XmlNode PeriodicityInCapitals() {
    auto receipt = test::Receipt11();
    test::NominaOf(receipt).Set("PeriodicidadPago", "SEMANAL").Set("NumDiasPagados", "7");
    return receipt;
}

TEST(ReceiptXml, ReadsWhatTheMappingReadsFromTheSameTree) {
    const std::pair<const char*, XmlNode> kReceipts[] = {
        {"1.1 with the ISR in ImporteExento", test::Receipt11()},
        {"1.1 with its periodicity in capitals", PeriodicityInCapitals()},
        {"1.2 on CFDI 3.3, Antigüedad in its Receptor", test::Receipt12OnCfdi33()},
        {"1.2 on CFDI 3.2", test::Receipt12OnCfdi32()},
        {"two Nomina complements", TwoComplements()},
    };
    // The SAT's prefixes, others, a default namespace, and the prefixes of one version bound to
    // the other's namespace: only the URIs count.
    const std::vector<std::pair<std::string, std::string>> kPrefixes[] = {
        test::SatPrefixes(),
        {{test::kCfdi, "c"},
         {test::kNomina11, "n"},
         {test::kNomina12, "n2"},
         {test::kStamp, "t"},
         {test::kSchemaInstance, "x"}},
        {{test::kCfdi, ""},
         {test::kNomina11, "nomina12"},
         {test::kNomina12, "nomina"},
         {test::kStamp, "cfdi"},
         {test::kSchemaInstance, "xsi"}},
    };
    for (const auto& [name, receipt] : kReceipts) {
        const auto expected = FromTree(receipt);
        EXPECT_EQ(expected.find("falta"), std::string::npos) << expected;
        for (const auto& prefixes : kPrefixes) {
            SCOPED_TRACE(std::string(name) + " with " + prefixes[0].second + ":");
            EXPECT_EQ(FromText(test::ToXml(receipt, prefixes)), expected);
        }
    }
}

TEST(ReceiptXml, OneReaderReadsDocumentAfterDocumentEvenAfterARefusal) {
    ReceiptXml reader;
    const auto good = test::ToXml(test::Receipt11(), test::SatPrefixes());
    EXPECT_TRUE(reader.Read(good).at(0).figures);
    EXPECT_FALSE(reader.Read("<a><b></a>").at(0).figures);
    EXPECT_FALSE(reader.Read("<!DOCTYPE a><a/>").at(0).figures);
    const auto rows = reader.Read(good);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].figures) << rows[0].problem;
}

std::string Nested(std::size_t depth) {
    std::string xml;
    for (std::size_t i = 0; i < depth; ++i) xml += "<e>";
    for (std::size_t i = 0; i < depth; ++i) xml += "</e>";
    return xml;
}

std::string BillionLaughs() {
    std::string xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol0 \"lol\">\n";
    for (int i = 1; i < 10; ++i) {
        xml += "<!ENTITY lol" + std::to_string(i) + " \"";
        for (int j = 0; j < 10; ++j) xml += "&lol" + std::to_string(i - 1) + ";";
        xml += "\">\n";
    }
    return xml + "]>\n<lolz>&lol9;</lolz>";
}

struct HostileCase {
    const char* name;
    std::string xml;
    const char* problem;  // the start of the row's problem
};

class HostileXml : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileXml, IsOneRowSayingWhyAndNoFigure) {
    ReceiptXml reader;
    const auto rows = reader.Read(GetParam().xml);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(rows[0].figures);
    EXPECT_EQ(rows[0].problem.rfind(GetParam().problem, 0), 0u) << rows[0].problem;
}

constexpr const char* kDoctype =
    "declara un tipo de documento (DOCTYPE), que un CFDI no tiene: no se lee";

INSTANTIATE_TEST_SUITE_P(
    , HostileXml,
    testing::Values(
        HostileCase{"BillionLaughs", BillionLaughs(), kDoctype},
        HostileCase{"ExternalEntity",
                    "<!DOCTYPE c [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><c>&x;</c>", kDoctype},
        HostileCase{"ExternalDtd", "<!DOCTYPE c SYSTEM \"http://example.org/c.dtd\"><c/>",
                    kDoctype},
        HostileCase{"ParameterEntity",
                    "<!DOCTYPE c [<!ENTITY % p SYSTEM \"file:///etc/passwd\"> %p;]><c/>", kDoctype},
        HostileCase{"UndeclaredEntity", "<c>&x;</c>", "no es XML bien formado (línea 1, columna 4"},
        HostileCase{"NestedPast64", Nested(65), "anida más de 64 elementos"},
        HostileCase{"NestedTo64", Nested(64), "no es un CFDI 3.2 o 3.3"},
        HostileCase{"MismatchedTag", "<a><b></a>", "no es XML bien formado (línea 1, columna 9"},
        HostileCase{"Truncated", test::ToXml(test::Receipt11(), test::SatPrefixes()).substr(0, 700),
                    "no es XML bien formado"},
        HostileCase{"Empty", "", "no es XML bien formado"},
        HostileCase{"NotText", std::string("\x89PNG\r\n\x1a\n\0\0", 10), "no es XML bien formado"},
        HostileCase{"UnboundPrefix", "<cfdi:Comprobante version=\"3.2\"/>",
                    "no es XML bien formado"},
        HostileCase{"TwoRoots", "<a/><b/>", "no es XML bien formado"}),
    [](const auto& info) { return std::string(info.param.name); });

// A folder of its own for each test, removed at the end whatever happened.
class ReceiptFiles : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("receipts-" + std::to_string(getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_ / "cerrada", fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }

    std::string Write(const std::string& relative, const std::string& bytes) {
        const auto path = folder_ / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.native();
    }

    std::string Zip(const std::string& relative,
                    const std::vector<std::pair<std::string, std::string>>& entries) {
        const auto path = (folder_ / relative).native();
        test::WriteZip(path, entries);
        return path;
    }

    static std::vector<ReceiptDocument> Documents(const std::vector<std::string>& arguments) {
        const auto listed = ListReceiptPaths(arguments);
        EXPECT_TRUE(std::holds_alternative<std::vector<ReceiptPath>>(listed));
        std::vector<ReceiptDocument> documents;
        if (!std::holds_alternative<std::vector<ReceiptPath>>(listed)) return documents;
        for (const auto& path : std::get<std::vector<ReceiptPath>>(listed)) {
            ReadReceiptDocuments(path,
                                 [&](ReceiptDocument&& d) { documents.push_back(std::move(d)); });
        }
        return documents;
    }

    std::string Relative(const std::string& name) const {
        return name.substr(folder_.native().size() + 1);
    }

    fs::path folder_;
};

const std::string kReceipt = test::ToXml(test::Receipt11(), test::SatPrefixes());

TEST_F(ReceiptFiles, AFolderIsItsXmlFilesAtAnyDepthInPathOrder) {
    Write("b.XML", kReceipt);
    Write("a/z.xml", kReceipt);
    Write("a/notas.txt", "no");
    Write("a.xml", kReceipt);
    Write("a/b/c.Xml", kReceipt);
    Write("paquete.zip", "no se abre: sólo los .xml de una carpeta");
    const auto documents = Documents({folder_.native()});
    std::vector<std::string> names;
    for (const auto& d : documents) {
        names.push_back(Relative(d.name));
        EXPECT_EQ(d.bytes, kReceipt);
        EXPECT_EQ(d.problem, "");
    }
    EXPECT_EQ(names, (std::vector<std::string>{"a.xml", "a/b/c.Xml", "a/z.xml", "b.XML"}));
}

TEST_F(ReceiptFiles, ArgumentsKeepTheirOrder) {
    const auto second = Write("2.xml", kReceipt);
    const auto first = Write("1.xml", kReceipt);
    const auto documents = Documents({first, second, first});
    ASSERT_EQ(documents.size(), 3u);
    EXPECT_EQ(documents[0].name, first);
    EXPECT_EQ(documents[1].name, second);
    EXPECT_EQ(documents[2].name, first);
}

TEST_F(ReceiptFiles, AnArgumentThatCannotBeReadIsRefused) {
    const auto listed = ListReceiptPaths({Write("1.xml", kReceipt), (folder_ / "no").native()});
    ASSERT_TRUE(std::holds_alternative<UnreadablePath>(listed));
    EXPECT_EQ(std::get<UnreadablePath>(listed).path, (folder_ / "no").native());
    EXPECT_EQ(std::get<UnreadablePath>(listed).why, "no existe el archivo o el directorio");
}

TEST_F(ReceiptFiles, AZipIsItsXmlEntriesInItsOrder) {
    const auto zip = Zip("Paquete.ZIP", {{"recibos/", ""},
                                         {"recibos/2.xml", kReceipt},
                                         {"leeme.txt", "no"},
                                         {"1.XML", kReceipt + " "}});
    const auto documents = Documents({zip});
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(documents[0].name, zip + ":recibos/2.xml");
    EXPECT_EQ(documents[0].bytes, kReceipt);
    EXPECT_EQ(documents[1].name, zip + ":1.XML");
    EXPECT_EQ(documents[1].bytes, kReceipt + " ");
}

TEST_F(ReceiptFiles, EachRefusalIsOneDocumentAndTheRestGoesOn) {
    const std::string overSize(kLargestReceipt + 1, ' ');
    const std::string atSize = kReceipt + std::string(kLargestReceipt - kReceipt.size(), ' ');
    const std::vector<std::tuple<std::string, std::string, std::string>> kCases = {
        {"file over 4 MiB", Write("grande.xml", overSize), "pasa de 4 MiB: no es un recibo"},
        {"ZIP entry expanding past 4 MiB", Zip("bomba.zip", {{"grande.xml", overSize}}),
         "pasa de 4 MiB: no es un recibo"},
        {"not a ZIP", Write("falso.zip", "esto no es un ZIP"), "no es un ZIP que se pueda leer: "},
        {"ZIP cut short in its second entry",
         [&] {
             const auto zip = Zip("corto.zip", {{"a.xml", kReceipt}, {"b.xml", kReceipt}});
             fs::resize_file(zip, fs::file_size(zip) / 2 + 200);
             return zip;
         }(),
         "ZIP dañado: "},
        {"ZIP whose entry was overwritten",
         [&] {
             const auto zip = Zip("roto.zip", {{"a.xml", kReceipt}});
             std::fstream file(zip, std::ios::binary | std::ios::in | std::ios::out);
             file.seekp(200);
             file << std::string(100, 'x');
             return zip;
         }(),
         "no se pudo descomprimir: "},
    };
    for (const auto& [name, path, problem] : kCases) {
        SCOPED_TRACE(name);
        const auto good = Write("bueno.xml", kReceipt);
        const auto documents = Documents({path, good});
        ASSERT_GE(documents.size(), 2u);
        const auto& refused = documents[documents.size() - 2];
        EXPECT_NE(refused.problem, "");
        EXPECT_EQ(refused.problem.rfind(problem, 0), 0u) << refused.problem;
        EXPECT_NE(refused.name.find(path), std::string::npos) << refused.name;
        EXPECT_TRUE(refused.bytes.empty());
        EXPECT_EQ(documents.back().name, good);
        EXPECT_EQ(documents.back().bytes, kReceipt);
    }
    const auto exact =
        Documents({Write("justo.xml", atSize), Zip("justo.zip", {{"j.xml", atSize}})});
    ASSERT_EQ(exact.size(), 2u);
    for (const auto& d : exact) EXPECT_EQ(d.bytes.size(), kLargestReceipt) << d.problem;
}

TEST_F(ReceiptFiles, OneRoomReadsFileAfterFileWhateverTheirSizesAndFolders) {
    // A reader keeps its room from file to file: each file is its own bytes, never the rest of a
    // larger one read before, and a refused file leaves nothing of the last one. The workers'
    // reader, which opens each file in the folder of the last, reads the same.
    const std::string large = kReceipt + std::string(100'000, ' ');
    const std::string small = "<a/>";
    const std::string over(kLargestReceipt + 1, ' ');
    const auto fifo = (folder_ / "tubo.xml").native();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto inner = Write("dentro/uno.xml", small);
    const struct {
        std::string path;
        std::string bytes;
        std::string problem;
    } kFiles[] = {
        {Write("grande.xml", large), large, ""},
        {Write("chico.xml", small), small, ""},
        {Write("vacio.xml", ""), "", ""},
        {Write("enorme.xml", over), "", std::string(kTooLarge)},
        {Write("otro.xml", kReceipt), kReceipt, ""},
        {fifo, "", "no es un archivo"},
        {(folder_ / "no.xml").native(), "",
         "no se pudo leer: no existe el archivo o el directorio"},
        {inner, small, ""},
        {(folder_ / "falta/dos.xml").native(), "",
         "no se pudo leer: no existe el archivo o el directorio"},
        {(folder_ / "grande.xml/tres.xml").native(), "",
         "no se pudo leer: una parte de la ruta no es un directorio"},
        {Write("dentro/otro.xml", kReceipt), kReceipt, ""},
        {(folder_ / "dentro/../chico.xml").native(), small, ""},
    };
    std::string room;
    ReceiptFileReader reader;
    for (const auto& file : kFiles) {
        SCOPED_TRACE(file.path);
        EXPECT_EQ(ReadReceiptFile(file.path, room), file.problem);
        EXPECT_TRUE(room == file.bytes) << room.size();
        EXPECT_EQ(reader.Read(file.path), file.problem);
        EXPECT_TRUE(reader.Bytes() == file.bytes) << reader.Bytes().size();
    }
}

TEST_F(ReceiptFiles, AFolderThatCannotBeListedIsNamed) {
    if (geteuid() == 0) GTEST_SKIP() << "root lists every folder";
    Write("cerrada/a.xml", kReceipt);
    Write("b.xml", kReceipt);
    fs::permissions(folder_ / "cerrada", fs::perms::none);
    const auto documents = Documents({folder_.native()});
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(Relative(documents[0].name), "b.xml");
    EXPECT_EQ(Relative(documents[1].name), "cerrada");
    EXPECT_EQ(documents[1].problem, "no se pudo leer la carpeta: permiso denegado");
}

}  // namespace
}  // namespace isr::cli
