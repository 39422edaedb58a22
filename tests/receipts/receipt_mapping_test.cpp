// SPDX-License-Identifier: MIT
#include "receipts/receipt_mapping.h"

#include <gtest/gtest.h>

#include <functional>

#include "sample_receipts.h"

namespace isr {
namespace {

using test::kCfdi;
using test::kNomina11;
using test::kNomina12;
using test::kStamp;
using test::XmlNode;

Cents Amount(std::int64_t count) {
    return *Cents::FromCount(count);
}

std::vector<ReceiptRow> Read(const XmlNode& receipt) {
    ReceiptMapping mapping;
    test::Feed(mapping, receipt);
    return mapping.Finish();
}

ReceiptRow ReadOne(const XmlNode& receipt) {
    auto rows = Read(receipt);
    EXPECT_EQ(rows.size(), 1u);
    return rows.empty() ? ReceiptRow{} : std::move(rows.front());
}

TEST(ReceiptMapping, Payroll11WithTheIsrInImporteExento) {
    const auto row = ReadOne(test::Receipt11());
    ASSERT_TRUE(row.figures) << row.problem;
    EXPECT_EQ(row.version, PayrollVersion::k11);
    EXPECT_EQ(row.uuid, "6F3E2C1A-7B4D-4E8F-9A0B-1C2D3E4F5A6B");
    EXPECT_EQ(row.issuerRfc, "AAA010101AAA");
    EXPECT_EQ(row.receiverRfc, "PEGJ800101AB1");
    EXPECT_EQ(row.curp, "PEGJ800101HJCRRN05");
    EXPECT_EQ(row.employeeNumber, "120");
    const auto& f = *row.figures;
    EXPECT_EQ(f.kind, PayrollKind::kOrdinaria);
    EXPECT_EQ(f.paymentDate, "2016-03-15");
    EXPECT_EQ(f.PaymentYear(), 2016);
    EXPECT_EQ(f.periodStart, "2016-03-01");
    EXPECT_EQ(f.periodEnd, "2016-03-15");
    EXPECT_EQ(f.daysPaid.thousandths, 15'000);
    EXPECT_EQ(f.periodicity, Periodicity::kQuincenal);
    ASSERT_EQ(f.perceptions.size(), 1u);
    EXPECT_EQ(f.perceptions[0].type, "001");
    EXPECT_EQ(f.perceptions[0].taxed, Amount(750'005));
    EXPECT_EQ(f.perceptions[0].exempt, Amount(0));
    EXPECT_EQ(f.isrWithheld, Amount(105'475));
    EXPECT_EQ(f.subsidyDelivered, Amount(0));
    EXPECT_FALSE(f.subsidyCaused);
}

TEST(ReceiptMapping, Payroll11AddsTheIsrWhereverTheIssuerPutItAndTheSubsidyOf017) {
    auto receipt = test::Receipt11();
    auto& deducciones = receipt.Find(kNomina11, "Deducciones");
    deducciones.children[0].Set("ImporteGravado", "10.00").Set("ImporteExento", "0.005");
    deducciones.Add(test::Element(kNomina11, "Deduccion",
                                  {{"TipoDeduccion", "002"},
                                   {"Clave", "D02B"},
                                   {"Concepto", "ISR ajuste"},
                                   {"ImporteGravado", "1.5"},
                                   {"ImporteExento", "0"}}));
    deducciones.Add(test::Element(kNomina11, "Deduccion",
                                  {{"TipoDeduccion", "001"},
                                   {"Clave", "D001"},
                                   {"Concepto", "IMSS"},
                                   {"ImporteGravado", "99.00"},
                                   {"ImporteExento", "0.00"}}));
    receipt.Find(kNomina11, "Percepciones")
        .Add(test::Element(kNomina11, "Percepcion",
                           {{"TipoPercepcion", "017"},
                            {"Clave", "017"},
                            {"Concepto", "Subsidio para el empleo"},
                            {"ImporteGravado", "0.00"},
                            {"ImporteExento", "171.04"}}));
    const auto row = ReadOne(receipt);
    ASSERT_TRUE(row.figures) << row.problem;
    EXPECT_EQ(row.figures->isrWithheld, Amount(1'151));  // 10.00 + 0.01 + 1.50
    EXPECT_EQ(row.figures->subsidyDelivered, Amount(17'104));
    ASSERT_EQ(row.figures->perceptions.size(), 2u);
    EXPECT_EQ(row.figures->perceptions[1].type, "017");
}

TEST(ReceiptMapping, Payroll12OnEitherCfdi) {
    for (const auto& [name, receipt] : {std::pair{"CFDI 3.3", test::Receipt12OnCfdi33()},
                                        std::pair{"CFDI 3.2", test::Receipt12OnCfdi32()}}) {
        SCOPED_TRACE(name);
        const auto row = ReadOne(receipt);
        ASSERT_TRUE(row.figures) << row.problem;
        EXPECT_EQ(row.version, PayrollVersion::k12);
        EXPECT_EQ(row.issuerRfc, "AAA010101AAA");
        EXPECT_EQ(row.receiverRfc, "PEGJ800101AB1");
        EXPECT_EQ(row.curp, "PEGJ800101HJCRRN05");
        EXPECT_EQ(row.employeeNumber, "120");
        const auto& f = *row.figures;
        EXPECT_EQ(f.kind, PayrollKind::kOrdinaria);
        EXPECT_EQ(f.PaymentYear(), 2017);
        EXPECT_EQ(f.periodicity, Periodicity::kQuincenal);
        EXPECT_EQ(f.daysPaid.thousandths, 15'000);
        ASSERT_EQ(f.perceptions.size(), 1u);
        EXPECT_EQ(f.perceptions[0].taxed, Amount(416'556));
        EXPECT_EQ(f.isrWithheld, Amount(37'558));
        EXPECT_EQ(f.subsidyDelivered, Amount(0));
        EXPECT_EQ(f.subsidyCaused, Amount(0));
    }
}

TEST(ReceiptMapping, Payroll12SubsidyAndExtraordinaryKind) {
    auto receipt = test::Receipt12OnCfdi33();
    test::NominaOf(receipt).Set("TipoNomina", "E");
    receipt.Find(kNomina12, "OtroPago").Set("Importe", "171.04");
    receipt.Find(kNomina12, "SubsidioAlEmpleo").Set("SubsidioCausado", "171.045");
    const auto row = ReadOne(receipt);
    ASSERT_TRUE(row.figures) << row.problem;
    EXPECT_EQ(row.figures->kind, PayrollKind::kExtraordinaria);
    EXPECT_EQ(row.figures->subsidyDelivered, Amount(17'104));
    EXPECT_EQ(row.figures->subsidyCaused, Amount(17'105));
}

TEST(ReceiptMapping, TwoComplementsInOneCfdiAreTwoRowsInDocumentOrder) {
    auto receipt = test::Receipt12OnCfdi33();
    auto second = test::NominaOf(receipt);
    second.Set("TipoNomina", "E").Find(kNomina12, "Receptor").Set("NumEmpleado", "121");
    auto& complemento = receipt.Find(kCfdi, "Complemento");
    complemento.children.insert(complemento.children.begin() + 1, second);
    const auto rows = Read(receipt);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].employeeNumber, "120");
    EXPECT_EQ(rows[1].employeeNumber, "121");
    for (const auto& row : rows) {
        ASSERT_TRUE(row.figures) << row.problem;
        EXPECT_EQ(row.uuid, "6F3E2C1A-7B4D-4E8F-9A0B-1C2D3E4F5A6B");
    }
    EXPECT_EQ(rows[0].figures->kind, PayrollKind::kOrdinaria);
    EXPECT_EQ(rows[1].figures->kind, PayrollKind::kExtraordinaria);
}

TEST(ReceiptMapping, ReadsNamesByNamespaceNeverByPlace) {
    auto receipt = test::Receipt11();
    // An attribute of another namespace with a payroll name, and payroll elements of the other
    // version's namespace inside a 1.1 complement, count for nothing.
    test::NominaOf(receipt).attributes.push_back(
        {test::kSchemaInstance, "FechaPago", "1999-01-01"});
    receipt.Find(kNomina11, "Deducciones")
        .Add(
            test::Element(kNomina12, "Deduccion", {{"TipoDeduccion", "002"}, {"Importe", "5.00"}}));
    // A stamp outside the Complemento is not the receipt's.
    receipt.Add(test::Element(kCfdi, "Addenda", {},
                              {test::Element(kStamp, "TimbreFiscalDigital", {{"UUID", "otro"}})}));
    const auto row = ReadOne(receipt);
    ASSERT_TRUE(row.figures) << row.problem;
    EXPECT_EQ(row.figures->paymentDate, "2016-03-15");
    EXPECT_EQ(row.figures->isrWithheld, Amount(105'475));
    EXPECT_EQ(row.uuid, "6F3E2C1A-7B4D-4E8F-9A0B-1C2D3E4F5A6B");
}

TEST(ReceiptMapping, EachDocumentIsReadAfresh) {
    ReceiptMapping mapping;
    test::Feed(mapping, test::Receipt12OnCfdi33());
    ASSERT_EQ(mapping.Finish().size(), 1u);
    test::Feed(mapping, test::Receipt11());
    const auto rows = mapping.Finish();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].version, PayrollVersion::k11);
    EXPECT_TRUE(rows[0].figures) << rows[0].problem;
}

struct ProblemCase {
    const char* name;
    std::function<test::XmlNode()> receipt;
    const char* problem;
};

XmlNode Changed(XmlNode receipt, const std::function<void(XmlNode&)>& change) {
    change(receipt);
    return receipt;
}

class ReceiptProblems : public testing::TestWithParam<ProblemCase> {};

TEST_P(ReceiptProblems, GiveARowSayingSoAndNoFigure) {
    const auto row = ReadOne(GetParam().receipt());
    EXPECT_FALSE(row.figures);
    EXPECT_EQ(row.problem, GetParam().problem);
}

const ProblemCase kProblems[] = {
    {"RootIsNoComprobante",
     [] {
         return test::Element(kNomina12, "Nomina", {{"Version", "1.2"}});
     },
     "no es un CFDI 3.2 o 3.3"},
    {"ComprobanteOfAnotherNamespace",
     [] {
         auto receipt = test::Receipt12OnCfdi33();
         receipt.uri = "http://www.sat.gob.mx/cfd/4";
         return receipt;
     },
     "no es un CFDI 3.2 o 3.3"},
    {"CfdiVersion4",
     [] { return Changed(test::Receipt12OnCfdi33(), [](auto& r) { r.Set("Version", "4.0"); }); },
     "no es un CFDI 3.2 o 3.3"},
    {"NoPayrollComplement",
     [] {
         return Changed(test::Receipt11(), [](auto& r) {
             r.Find(kCfdi, "Complemento").RemoveChildren(kNomina11, "Nomina");
         });
     },
     "el CFDI no tiene complemento de nómina"},
    {"PayrollOutsideComplemento",
     [] {
         auto receipt = test::Receipt11();
         auto nomina = test::NominaOf(receipt);
         receipt.RemoveChildren(kNomina11, "Nomina");
         return receipt.Add(test::Element(kCfdi, "Addenda", {}, {nomina}));
     },
     "el CFDI no tiene complemento de nómina"},
    {"Payroll11OfAnotherVersion",
     [] {
         return Changed(test::Receipt11(),
                        [](auto& r) { test::NominaOf(r).Set("Version", "1.0"); });
     },
     "el complemento de nómina no es de la versión 1.1"},
    {"NoFechaPago",
     [] {
         return Changed(test::Receipt11(), [](auto& r) { test::NominaOf(r).Remove("FechaPago"); });
     },
     "falta FechaPago en Nomina"},
    {"FechaPagoWithATime",
     [] {
         return Changed(test::Receipt12OnCfdi33(),
                        [](auto& r) { test::NominaOf(r).Set("FechaPago", "2017-01-15T00:00:00"); });
     },
     "FechaPago en Nomina no es una fecha AAAA-MM-DD"},
    {"FechaPagoMonth13",
     [] {
         return Changed(test::Receipt11(),
                        [](auto& r) { test::NominaOf(r).Set("FechaPago", "2016-13-01"); });
     },
     "FechaPago en Nomina no es una fecha AAAA-MM-DD"},
    {"NoNumDiasPagados",
     [] {
         return Changed(test::Receipt11(),
                        [](auto& r) { test::NominaOf(r).Remove("NumDiasPagados"); });
     },
     "falta NumDiasPagados en Nomina"},
    {"FourDecimalDays",
     [] {
         return Changed(test::Receipt11(),
                        [](auto& r) { test::NominaOf(r).Set("NumDiasPagados", "15.2345"); });
     },
     "NumDiasPagados en Nomina no es un número de días (mayor que 0, hasta tres decimales)"},
    {"NoDays",
     [] {
         return Changed(test::Receipt12OnCfdi33(),
                        [](auto& r) { test::NominaOf(r).Set("NumDiasPagados", "0.000"); });
     },
     "NumDiasPagados en Nomina no es un número de días (mayor que 0, hasta tres decimales)"},
    {"Payroll11WithoutPeriodicity",
     [] {
         return Changed(test::Receipt11(),
                        [](auto& r) { test::NominaOf(r).Remove("PeriodicidadPago"); });
     },
     "falta PeriodicidadPago en Nomina"},
    {"Payroll12WithAPeriodicityName",
     [] {
         return Changed(test::Receipt12OnCfdi33(), [](auto& r) {
             r.Find(kNomina12, "Receptor").Set("PeriodicidadPago", "Quincenal");
         });
     },
     "PeriodicidadPago en Receptor no es un código del catálogo"},
    {"Payroll12WithoutReceptor",
     [] {
         return Changed(test::Receipt12OnCfdi33(),
                        [](auto& r) { r.RemoveChildren(kNomina12, "Receptor"); });
     },
     "falta Receptor en Nomina"},
    {"Payroll12WithoutTipoNomina",
     [] {
         return Changed(test::Receipt12OnCfdi33(),
                        [](auto& r) { test::NominaOf(r).Remove("TipoNomina"); });
     },
     "falta TipoNomina en Nomina"},
    {"Payroll12OfAnUnknownKind",
     [] {
         return Changed(test::Receipt12OnCfdi33(),
                        [](auto& r) { test::NominaOf(r).Set("TipoNomina", "o"); });
     },
     "TipoNomina en Nomina no es O ni E"},
    {"AmountWithGroupSeparators",
     [] {
         return Changed(test::Receipt12OnCfdi33(), [](auto& r) {
             r.Find(kNomina12, "Percepcion").Set("ImporteGravado", "4,165.56");
         });
     },
     "ImporteGravado en Percepcion no es un importe"},
    {"NegativeIsr",
     [] {
         return Changed(test::Receipt12OnCfdi33(),
                        [](auto& r) { r.Find(kNomina12, "Deduccion").Set("Importe", "-375.58"); });
     },
     "Importe en Deduccion no es un importe"},
    {"IsrWithoutAmount",
     [] {
         return Changed(test::Receipt11(),
                        [](auto& r) { r.Find(kNomina11, "Deduccion").Remove("ImporteExento"); });
     },
     "falta ImporteExento en Deduccion"},
    {"PerceptionWithoutType",
     [] {
         return Changed(test::Receipt11(),
                        [](auto& r) { r.Find(kNomina11, "Percepcion").Remove("TipoPercepcion"); });
     },
     "falta TipoPercepcion en Percepcion"},
    {"CausedSubsidyNoAmount",
     [] {
         return Changed(test::Receipt12OnCfdi33(), [](auto& r) {
             r.Find(kNomina12, "SubsidioAlEmpleo").Set("SubsidioCausado", "");
         });
     },
     "SubsidioCausado en SubsidioAlEmpleo no es un importe"},
    {"IsrSumBeyondAnAmount",
     [] {
         return Changed(test::Receipt11(), [](auto& r) {
             r.Find(kNomina11, "Deduccion")
                 .Set("ImporteGravado", "9999999999999999.99")
                 .Set("ImporteExento", "0.01");
         });
     },
     "una suma de Deduccion no cabe en un importe"},
};

INSTANTIATE_TEST_SUITE_P(, ReceiptProblems, testing::ValuesIn(kProblems),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReceiptMapping, AnUnreadableFileDropsWhatItsEventsSaid) {
    const auto row = ReceiptMapping::Unreadable("no es XML bien formado");
    EXPECT_FALSE(row.figures);
    EXPECT_FALSE(row.version);
    EXPECT_EQ(row.problem, "no es XML bien formado");
}

}  // namespace
}  // namespace isr
