// SPDX-License-Identifier: MIT
#include "receipt_corpus.h"

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string_view>
#include <variant>

#include "calc/days_paid.h"
#include "tariffs/table_sets.h"

namespace isr::bench {

namespace {

struct Pay {
    std::string_view code;  // 1.2's catalogue code
    std::string_view name;  // as a 1.1 receipt may write it
    int days;
};

constexpr std::array<Pay, 6> kPays = {{{"02", "Semanal", 7},
                                       {"03", "CATORCENAL", 14},
                                       {"04", "Quincenal", 15},
                                       {"04", "quincenal", 16},
                                       {"05", "Mensual", 30},
                                       {"10", "Decenal", 10}}};

constexpr std::string_view kBase64 =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// A seal or certificate's worth of base64, as long as a real one.
std::string Base64(std::mt19937_64& random, std::size_t length) {
    std::string text(length, '=');
    for (std::size_t i = 0; i + 1 < length; ++i) text[i] = kBase64[random() % 64];
    return text;
}

std::string Amount(Cents amount) {
    const auto count = amount.Count();
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", static_cast<long long>(count / 100),
                  static_cast<long long>(count % 100));
    return text;
}

struct Figures {
    Cents base;
    Cents isr;
    Cents subsidyDelivered;
    Cents subsidyCaused;
};

// The withholding by one of the two methods in turn; one receipt in twenty is a cent off.
Figures FiguresOf(std::uint64_t index, std::mt19937_64& random, int days) {
    std::uniform_real_distribution<double> logMonthly(std::log(2'500.0), std::log(90'000.0));
    const auto monthly = std::exp(logMonthly(random));
    const auto base = *Cents::FromCount(static_cast<std::int64_t>(monthly * days / 30.4 * 100));
    const auto method = index % 2 == 0 ? DaysMethod::kTabla : DaysMethod::kMensual;
    const auto calculated =
        CalculateDaysPaid(DefaultTableSet(), DaysPaid{days * kThousandthsPerDay}, method, base);
    const auto& result = std::get<DaysPaidResult>(calculated);
    auto net = result.result;
    if (index % 20 == 7) net = net + kOneCent;
    const Cents zero;
    return {base, net > zero ? net : zero, net < zero ? -net : zero, result.periodSubsidy};
}

void Append(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (const auto piece : pieces) out += piece;
}

std::string Stamp(std::mt19937_64& random, std::uint64_t index) {
    char uuid[40];
    std::snprintf(uuid, sizeof uuid, "%08llX-7B4D-4E8F-9A0B-%012llX",
                  static_cast<unsigned long long>(index & 0xffffffffU),
                  static_cast<unsigned long long>(random() & 0xffffffffffffULL));
    std::string out;
    Append(out, {"<tfd:TimbreFiscalDigital Version=\"1.1\" UUID=\"", uuid,
                 "\" FechaTimbrado=\"2016-03-15T10:00:00\" RfcProvCertif=\"SAT970701NN3\" "
                 "SelloCFD=\"",
                 Base64(random, 344), "\" NoCertificadoSAT=\"00001000000403258748\" SelloSAT=\"",
                 Base64(random, 344), "\"/>"});
    return out;
}

std::string Receipt11(std::uint64_t index, std::mt19937_64& random, const Pay& pay) {
    const auto figures = FiguresOf(index, random, pay.days);
    const auto base = Amount(figures.base);
    const auto isr = Amount(figures.isr);
    const bool subsidy = figures.subsidyDelivered != Cents();
    // Issuers put the ISR in either field.
    const bool inExempt = index % 4 == 1;
    const auto number = std::to_string(index);
    std::string out;
    out.reserve(6 * 1024);
    Append(out,
           {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cfdi:Comprobante "
            "xmlns:cfdi=\"http://www.sat.gob.mx/cfd/3\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
            "xmlns:nomina=\"http://www.sat.gob.mx/nomina\" "
            "xmlns:tfd=\"http://www.sat.gob.mx/TimbreFiscalDigital\" "
            "xsi:schemaLocation=\"http://www.sat.gob.mx/cfd/3 "
            "http://www.sat.gob.mx/sitio_internet/cfd/3/cfdv32.xsd http://www.sat.gob.mx/nomina "
            "http://www.sat.gob.mx/sitio_internet/cfd/nomina/nomina11.xsd\" version=\"3.2\" "
            "serie=\"N\" folio=\"",
            number,
            "\" fecha=\"2016-03-15T09:00:00\" sello=\"",
            Base64(random, 344),
            "\" formaDePago=\"En una sola exhibición\" noCertificado=\"00001000000301234567\" "
            "certificado=\"",
            Base64(random, 1720),
            "\" subTotal=\"",
            base,
            "\" descuento=\"",
            isr,
            "\" total=\"",
            base,
            "\" metodoDePago=\"NA\" tipoDeComprobante=\"egreso\" LugarExpedicion=\"Guadalajara, "
            "Jalisco\" Moneda=\"MXN\">\n"
            "  <cfdi:Emisor rfc=\"AAA010101AAA\" nombre=\"Patrón S.A. de C.V.\">\n"
            "    <cfdi:DomicilioFiscal calle=\"Av. Juárez\" noExterior=\"100\" "
            "colonia=\"Centro\" municipio=\"Guadalajara\" estado=\"Jalisco\" pais=\"México\" "
            "codigoPostal=\"44100\"/>\n"
            "    <cfdi:RegimenFiscal Regimen=\"General de Ley Personas Morales\"/>\n"
            "  </cfdi:Emisor>\n  <cfdi:Receptor rfc=\"PEGJ800101AB1\" nombre=\"Juan Pérez "
            "García\"/>\n  <cfdi:Conceptos>\n    <cfdi:Concepto cantidad=\"1\" "
            "unidad=\"Servicio\" descripcion=\"Pago de nómina\" valorUnitario=\"",
            base,
            "\" importe=\"",
            base,
            "\"/>\n  </cfdi:Conceptos>\n  <cfdi:Impuestos totalImpuestosRetenidos=\"",
            isr,
            "\">\n    <cfdi:Retenciones>\n      <cfdi:Retencion impuesto=\"ISR\" importe=\"",
            isr,
            "\"/>\n    </cfdi:Retenciones>\n  </cfdi:Impuestos>\n  <cfdi:Complemento>\n"
            "    <nomina:Nomina Version=\"1.1\" RegistroPatronal=\"B5510768108\" NumEmpleado=\"",
            number,
            "\" CURP=\"PEGJ800101HJCRRN05\" TipoRegimen=\"2\" NumSeguridadSocial=\"04078873454\" "
            "FechaPago=\"2016-03-15\" FechaInicialPago=\"2016-03-01\" "
            "FechaFinalPago=\"2016-03-15\" NumDiasPagados=\"",
            std::to_string(pay.days),
            "\" Departamento=\"Ventas\" Puesto=\"Vendedor\" Antiguedad=\"62\" "
            "PeriodicidadPago=\"",
            pay.name,
            "\" SalarioBaseCotApor=\"523.25\" SalarioDiarioIntegrado=\"523.25\">\n"
            "      <nomina:Percepciones TotalGravado=\"",
            base,
            "\" TotalExento=\"0.00\">\n        <nomina:Percepcion TipoPercepcion=\"001\" "
            "Clave=\"001\" Concepto=\"Sueldos, Salarios Rayas y Jornales\" "
            "ImporteGravado=\"",
            base,
            "\" ImporteExento=\"0.00\"/>\n"});
    if (subsidy) {
        Append(out, {"        <nomina:Percepcion TipoPercepcion=\"017\" Clave=\"017\" "
                     "Concepto=\"Subsidio para el empleo\" ImporteGravado=\"0.00\" "
                     "ImporteExento=\"",
                     Amount(figures.subsidyDelivered), "\"/>\n"});
    }
    Append(out, {"      </nomina:Percepciones>\n      <nomina:Deducciones TotalGravado=\"0.00\" "
                 "TotalExento=\"",
                 isr,
                 "\">\n        <nomina:Deduccion TipoDeduccion=\"001\" Clave=\"001\" "
                 "Concepto=\"Seguridad social\" ImporteGravado=\"0.00\" "
                 "ImporteExento=\"0.00\"/>\n        <nomina:Deduccion TipoDeduccion=\"002\" "
                 "Clave=\"002\" Concepto=\"ISR\" ImporteGravado=\"",
                 inExempt ? "0.00" : isr, "\" ImporteExento=\"", inExempt ? isr : "0.00",
                 "\"/>\n      </nomina:Deducciones>\n    </nomina:Nomina>\n    ",
                 Stamp(random, index), "\n  </cfdi:Complemento>\n</cfdi:Comprobante>\n"});
    return out;
}

std::string Receipt12(std::uint64_t index, std::mt19937_64& random, const Pay& pay) {
    const auto figures = FiguresOf(index, random, pay.days);
    const auto base = Amount(figures.base);
    const auto isr = Amount(figures.isr);
    const auto delivered = Amount(figures.subsidyDelivered);
    const auto number = std::to_string(index);
    std::string out;
    out.reserve(6 * 1024);
    Append(out,
           {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cfdi:Comprobante "
            "xmlns:cfdi=\"http://www.sat.gob.mx/cfd/3\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
            "xmlns:nomina12=\"http://www.sat.gob.mx/nomina12\" "
            "xmlns:tfd=\"http://www.sat.gob.mx/TimbreFiscalDigital\" "
            "xsi:schemaLocation=\"http://www.sat.gob.mx/cfd/3 "
            "http://www.sat.gob.mx/sitio_internet/cfd/3/cfdv33.xsd http://www.sat.gob.mx/nomina12 "
            "http://www.sat.gob.mx/sitio_internet/cfd/nomina/nomina12.xsd\" Version=\"3.3\" "
            "Serie=\"N\" Folio=\"",
            number,
            "\" Fecha=\"2017-01-15T09:00:00\" Sello=\"",
            Base64(random, 344),
            "\" NoCertificado=\"00001000000301234567\" Certificado=\"",
            Base64(random, 1720),
            "\" SubTotal=\"",
            base,
            "\" Descuento=\"",
            isr,
            "\" Moneda=\"MXN\" Total=\"",
            base,
            "\" TipoDeComprobante=\"N\" MetodoPago=\"PUE\" LugarExpedicion=\"44100\">\n"
            "  <cfdi:Emisor Rfc=\"AAA010101AAA\" Nombre=\"Patrón S.A. de C.V.\" "
            "RegimenFiscal=\"601\"/>\n  <cfdi:Receptor Rfc=\"PEGJ800101AB1\" Nombre=\"Juan "
            "Pérez García\" UsoCFDI=\"P01\"/>\n  <cfdi:Conceptos>\n    <cfdi:Concepto "
            "ClaveProdServ=\"84111505\" Cantidad=\"1\" ClaveUnidad=\"ACT\" Descripcion=\"Pago "
            "de nómina\" ValorUnitario=\"",
            base,
            "\" Importe=\"",
            base,
            "\" Descuento=\"",
            isr,
            "\"/>\n  </cfdi:Conceptos>\n  <cfdi:Complemento>\n    <nomina12:Nomina "
            "Version=\"1.2\" TipoNomina=\"O\" FechaPago=\"2017-01-15\" "
            "FechaInicialPago=\"2017-01-01\" FechaFinalPago=\"2017-01-15\" NumDiasPagados=\"",
            std::to_string(pay.days),
            "\" TotalPercepciones=\"",
            base,
            "\" TotalDeducciones=\"",
            isr,
            "\" TotalOtrosPagos=\"",
            delivered,
            "\">\n      <nomina12:Emisor RegistroPatronal=\"B5510768108\"/>\n"
            "      <nomina12:Receptor Curp=\"PEGJ800101HJCRRN05\" "
            "NumSeguridadSocial=\"04078873454\" FechaInicioRelLaboral=\"2016-01-04\" "
            "Antigüedad=\"P54W\" TipoContrato=\"01\" TipoRegimen=\"02\" NumEmpleado=\"",
            number,
            "\" PeriodicidadPago=\"",
            pay.code,
            "\" SalarioDiarioIntegrado=\"290.00\" ClaveEntFed=\"JAL\"/>\n"
            "      <nomina12:Percepciones TotalSueldos=\"",
            base,
            "\" TotalGravado=\"",
            base,
            "\" TotalExento=\"0.00\">\n        <nomina12:Percepcion TipoPercepcion=\"001\" "
            "Clave=\"P001\" Concepto=\"Sueldo\" ImporteGravado=\"",
            base,
            "\" ImporteExento=\"0.00\"/>\n      </nomina12:Percepciones>\n"
            "      <nomina12:Deducciones TotalImpuestosRetenidos=\"",
            isr,
            "\">\n        <nomina12:Deduccion TipoDeduccion=\"002\" Clave=\"D002\" "
            "Concepto=\"ISR\" Importe=\"",
            isr,
            "\"/>\n      </nomina12:Deducciones>\n      <nomina12:OtrosPagos>\n"
            "        <nomina12:OtroPago TipoOtroPago=\"002\" Clave=\"O002\" "
            "Concepto=\"Subsidio para el empleo\" Importe=\"",
            delivered,
            "\">\n          <nomina12:SubsidioAlEmpleo SubsidioCausado=\"",
            Amount(figures.subsidyCaused),
            "\"/>\n        </nomina12:OtroPago>\n      </nomina12:OtrosPagos>\n"
            "    </nomina12:Nomina>\n    ",
            Stamp(random, index),
            "\n  </cfdi:Complemento>\n</cfdi:Comprobante>\n"});
    return out;
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "cannot write %s\n", what.c_str());
    std::exit(1);
}

}  // namespace

std::string GeneratedReceipt(std::uint64_t index) {
    std::mt19937_64 random(20160101 + index);
    const auto& pay = kPays[random() % kPays.size()];
    return index % 2 == 0 ? Receipt11(index, random, pay) : Receipt12(index, random, pay);
}

void WriteReceiptSet(std::uint64_t count, const std::string& folder, const std::string& zipPath) {
    namespace fs = std::filesystem;
    archive* package = archive_write_new();
    if (archive_write_set_format_zip(package) != ARCHIVE_OK ||
        archive_write_open_filename(package, zipPath.c_str()) != ARCHIVE_OK)
        Fail(zipPath);
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto receipt = GeneratedReceipt(i);
        char name[64];
        std::snprintf(name, sizeof name, "%03llu/%08llu.xml",
                      static_cast<unsigned long long>(i / 1000),
                      static_cast<unsigned long long>(i));
        const fs::path path = fs::path(folder) / name;
        std::error_code error;
        fs::create_directories(path.parent_path(), error);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr ||
            std::fwrite(receipt.data(), 1, receipt.size(), file) != receipt.size() ||
            std::fclose(file) != 0)
            Fail(path.native());
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name);
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(receipt.size()));
        const bool written = archive_write_header(package, entry) == ARCHIVE_OK &&
                             archive_write_data(package, receipt.data(), receipt.size()) ==
                                 static_cast<la_ssize_t>(receipt.size());
        archive_entry_free(entry);
        if (!written) Fail(zipPath);
    }
    if (archive_write_close(package) != ARCHIVE_OK) Fail(zipPath);
    archive_write_free(package);
}

}  // namespace isr::bench
