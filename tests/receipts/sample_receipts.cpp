// SPDX-License-Identifier: MIT
#include "sample_receipts.h"

namespace isr::test {

namespace {

XmlNode Stamp() {
    return Element(kStamp, "TimbreFiscalDigital",
                   {{"version", "1.0"},
                    {"UUID", "6F3E2C1A-7B4D-4E8F-9A0B-1C2D3E4F5A6B"},
                    {"FechaTimbrado", "2016-03-15T10:00:00"},
                    {"selloCFD", "c2VsbG8="},
                    {"noCertificadoSAT", "00001000000403258748"},
                    {"selloSAT", "c2VsbG8="}});
}

XmlNode Comprobante32(XmlNode nomina) {
    XmlNode root = Element(
        kCfdi, "Comprobante",
        {{"version", "3.2"},
         {"fecha", "2016-03-15T09:00:00"},
         {"tipoDeComprobante", "egreso"},
         {"formaDePago", "En una sola exhibición"},
         {"subTotal", "7500.05"},
         {"total", "6445.30"},
         {"metodoDePago", "NA"},
         {"LugarExpedicion", "Guadalajara, Jalisco"}},
        {Element(kCfdi, "Emisor", {{"rfc", "AAA010101AAA"}, {"nombre", "Patrón S.A. de C.V."}}),
         Element(kCfdi, "Receptor", {{"rfc", "PEGJ800101AB1"}, {"nombre", "Juan Pérez"}}),
         Element(kCfdi, "Conceptos", {},
                 {Element(kCfdi, "Concepto",
                          {{"cantidad", "1"},
                           {"unidad", "Servicio"},
                           {"descripcion", "Pago de nómina"},
                           {"valorUnitario", "7500.05"},
                           {"importe", "7500.05"}})}),
         Element(kCfdi, "Impuestos"),
         Element(kCfdi, "Complemento", {}, {std::move(nomina), Stamp()})});
    root.attributes.push_back({kSchemaInstance, "schemaLocation",
                               "http://www.sat.gob.mx/cfd/3 "
                               "http://www.sat.gob.mx/sitio_internet/cfd/3/cfdv32.xsd"});
    return root;
}

XmlNode Nomina12() {
    return Element(
        kNomina12, "Nomina",
        {{"Version", "1.2"},
         {"TipoNomina", "O"},
         {"FechaPago", "2017-01-15"},
         {"FechaInicialPago", "2017-01-01"},
         {"FechaFinalPago", "2017-01-15"},
         {"NumDiasPagados", "15"},
         {"TotalPercepciones", "4165.56"},
         {"TotalDeducciones", "375.58"},
         {"TotalOtrosPagos", "0.00"}},
        {Element(kNomina12, "Emisor", {{"RegistroPatronal", "B5510768108"}}),
         Element(kNomina12, "Receptor",
                 {{"Curp", "PEGJ800101HJCRRN05"},
                  {"NumSeguridadSocial", "04078873454"},
                  {"FechaInicioRelLaboral", "2016-01-04"},
                  {"Antigüedad", "P54W"},
                  {"TipoContrato", "01"},
                  {"TipoRegimen", "02"},
                  {"NumEmpleado", "120"},
                  {"PeriodicidadPago", "04"},
                  {"SalarioDiarioIntegrado", "290.00"},
                  {"ClaveEntFed", "JAL"}}),
         Element(
             kNomina12, "Percepciones",
             {{"TotalSueldos", "4165.56"}, {"TotalGravado", "4165.56"}, {"TotalExento", "0.00"}},
             {Element(kNomina12, "Percepcion",
                      {{"TipoPercepcion", "001"},
                       {"Clave", "P001"},
                       {"Concepto", "Sueldo"},
                       {"ImporteGravado", "4165.56"},
                       {"ImporteExento", "0.00"}})}),
         Element(kNomina12, "Deducciones", {{"TotalImpuestosRetenidos", "375.58"}},
                 {Element(kNomina12, "Deduccion",
                          {{"TipoDeduccion", "002"},
                           {"Clave", "D002"},
                           {"Concepto", "ISR"},
                           {"Importe", "375.58"}})}),
         Element(
             kNomina12, "OtrosPagos", {},
             {Element(kNomina12, "OtroPago",
                      {{"TipoOtroPago", "002"},
                       {"Clave", "O002"},
                       {"Concepto", "Subsidio para el empleo"},
                       {"Importe", "0.00"}},
                      {Element(kNomina12, "SubsidioAlEmpleo", {{"SubsidioCausado", "0.00"}})})})});
}

}  // namespace

XmlNode Receipt11() {
    return Comprobante32(Element(
        kNomina11, "Nomina",
        {{"Version", "1.1"},
         {"RegistroPatronal", "B5510768108"},
         {"NumEmpleado", "120"},
         {"CURP", "PEGJ800101HJCRRN05"},
         {"TipoRegimen", "2"},
         {"NumSeguridadSocial", "04078873454"},
         {"FechaPago", "2016-03-15"},
         {"FechaInicialPago", "2016-03-01"},
         {"FechaFinalPago", "2016-03-15"},
         {"NumDiasPagados", "15"},
         {"Departamento", "Ventas"},
         {"Antiguedad", "62"},
         {"PeriodicidadPago", "Quincenal"},
         {"SalarioDiarioIntegrado", "523.25"}},
        {Element(kNomina11, "Percepciones", {{"TotalGravado", "7500.05"}, {"TotalExento", "0.00"}},
                 {Element(kNomina11, "Percepcion",
                          {{"TipoPercepcion", "001"},
                           {"Clave", "001"},
                           {"Concepto", "Sueldos, Salarios Rayas y Jornales"},
                           {"ImporteGravado", "7500.05"},
                           {"ImporteExento", "0.00"}})}),
         Element(kNomina11, "Deducciones", {{"TotalGravado", "0.00"}, {"TotalExento", "1054.75"}},
                 {Element(kNomina11, "Deduccion",
                          {{"TipoDeduccion", "002"},
                           {"Clave", "002"},
                           {"Concepto", "ISR"},
                           {"ImporteGravado", "0.00"},
                           {"ImporteExento", "1054.75"}})})}));
}

XmlNode Receipt12OnCfdi32() {
    return Comprobante32(Nomina12());
}

XmlNode Receipt12OnCfdi33() {
    XmlNode root = Comprobante32(Nomina12());
    root.attributes.clear();
    root.Set("Version", "3.3")
        .Set("Fecha", "2017-01-15T09:00:00")
        .Set("TipoDeComprobante", "N")
        .Set("SubTotal", "4165.56")
        .Set("Descuento", "375.58")
        .Set("Total", "3789.98")
        .Set("Moneda", "MXN")
        .Set("MetodoPago", "PUE")
        .Set("LugarExpedicion", "44100");
    root.Find(kCfdi, "Emisor").attributes.clear();
    root.Find(kCfdi, "Emisor").Set("Rfc", "AAA010101AAA").Set("RegimenFiscal", "601");
    root.Find(kCfdi, "Receptor").attributes.clear();
    root.Find(kCfdi, "Receptor").Set("Rfc", "PEGJ800101AB1").Set("UsoCFDI", "P01");
    root.RemoveChildren(kCfdi, "Impuestos");
    return root;
}

XmlNode& NominaOf(XmlNode& receipt) {
    return receipt.Has(kNomina11, "Nomina") ? receipt.Find(kNomina11, "Nomina")
                                            : receipt.Find(kNomina12, "Nomina");
}

}  // namespace isr::test
