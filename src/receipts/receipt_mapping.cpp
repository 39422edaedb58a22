// SPDX-License-Identifier: MIT
#include "receipts/receipt_mapping.h"

#include <utility>

#include "receipts/receipt_values.h"

namespace isr {

namespace {

constexpr std::string_view kCfdiUri = "http://www.sat.gob.mx/cfd/3";
constexpr std::string_view kPayroll11Uri = "http://www.sat.gob.mx/nomina";
constexpr std::string_view kPayroll12Uri = "http://www.sat.gob.mx/nomina12";
constexpr std::string_view kStampUri = "http://www.sat.gob.mx/TimbreFiscalDigital";

// The catalogue codes the audit looks for.
constexpr std::string_view kIsrDeduction = "002";
constexpr std::string_view kSubsidyOtherPayment = "002";
constexpr std::string_view kSubsidyPerception11 = "017";

// Every CFDI and payroll attribute is unqualified: one in another namespace
// (xsi:schemaLocation) is never one of them, whatever its local name.
std::optional<std::string_view> Attribute(std::span<const XmlAttribute> attributes,
                                          std::string_view name) {
    for (const auto& attribute : attributes) {
        if (attribute.uri.empty() && attribute.name == name) return attribute.value;
    }
    return std::nullopt;
}

std::string Missing(std::string_view attribute, std::string_view element) {
    return "falta " + std::string(attribute) + " en " + std::string(element);
}

std::string Invalid(std::string_view attribute, std::string_view element, std::string_view what) {
    return std::string(attribute) + " en " + std::string(element) + " no es " + std::string(what);
}

}  // namespace

void ReceiptMapping::Fail(Complement& complement, std::string problem) {
    if (complement.row.problem.empty()) complement.row.problem = std::move(problem);
}

void ReceiptMapping::StartElement(std::string_view uri, std::string_view name,
                                  std::span<const XmlAttribute> attributes) {
    ++depth_;
    if (depth_ == 1) {
        if (uri == kCfdiUri && name == "Comprobante") {
            StartComprobante(attributes);
        } else {
            documentProblem_ = "no es un CFDI 3.2 o 3.3";
        }
        return;
    }
    if (documentProblem_) return;
    if (uri == kCfdiUri) {
        if (depth_ != 2) return;
        if (name == "Complemento") complementDepth_ = depth_;
        const bool issuer = name == "Emisor";
        if (!issuer && name != "Receptor") return;
        const auto rfc = Attribute(attributes, rfcLowerCase_ ? "rfc" : "Rfc");
        (issuer ? issuerRfc_ : receiverRfc_) = rfc.value_or("");
        return;
    }
    const bool inComplemento = complementDepth_ != 0 && depth_ == complementDepth_ + 1;
    if (inComplemento && uri == kStampUri && name == "TimbreFiscalDigital") {
        uuid_ = Attribute(attributes, "UUID").value_or("");
    } else if (inComplemento && name == "Nomina" && !insideNomina_) {
        if (uri == kPayroll11Uri) StartNomina(PayrollVersion::k11, attributes);
        if (uri == kPayroll12Uri) StartNomina(PayrollVersion::k12, attributes);
    } else if (insideNomina_) {
        auto& complement = complements_.back();
        const auto own =
            *complement.row.version == PayrollVersion::k11 ? kPayroll11Uri : kPayroll12Uri;
        if (uri == own) StartPayrollElement(complement, name, attributes);
    }
}

void ReceiptMapping::EndElement(std::string_view, std::string_view) {
    if (insideNomina_ && depth_ == complements_.back().depth) insideNomina_ = false;
    if (depth_ == complementDepth_) complementDepth_ = 0;
    --depth_;
}

void ReceiptMapping::StartComprobante(std::span<const XmlAttribute> attributes) {
    // 3.2 names its attributes in lower camel case, 3.3 in upper.
    if (Attribute(attributes, "version") == "3.2") {
        rfcLowerCase_ = true;
    } else if (Attribute(attributes, "Version") == "3.3") {
        rfcLowerCase_ = false;
    } else {
        documentProblem_ = "no es un CFDI 3.2 o 3.3";
    }
}

void ReceiptMapping::StartNomina(PayrollVersion version, std::span<const XmlAttribute> attributes) {
    auto& complement = complements_.emplace_back();
    complement.depth = depth_;
    complement.row.version = version;
    insideNomina_ = true;
    auto& figures = complement.figures;
    const bool v11 = version == PayrollVersion::k11;

    if (Attribute(attributes, "Version") != (v11 ? "1.1" : "1.2")) {
        Fail(complement, v11 ? "el complemento de nómina no es de la versión 1.1"
                             : "el complemento de nómina 1.2 no es de la versión 1.2");
    }
    if (v11) {
        complement.row.curp = Attribute(attributes, "CURP").value_or("");
        complement.row.employeeNumber = Attribute(attributes, "NumEmpleado").value_or("");
        figures.kind = PayrollKind::kOrdinaria;
        if (const auto periodicity = Attribute(attributes, "PeriodicidadPago")) {
            figures.periodicity = PeriodicityOfText(*periodicity);
        } else {
            Fail(complement, Missing("PeriodicidadPago", "Nomina"));
        }
    } else {
        const auto kind = Attribute(attributes, "TipoNomina");
        if (!kind) {
            Fail(complement, Missing("TipoNomina", "Nomina"));
        } else if (*kind == "O" || *kind == "E") {
            figures.kind = *kind == "O" ? PayrollKind::kOrdinaria : PayrollKind::kExtraordinaria;
        } else {
            Fail(complement, Invalid("TipoNomina", "Nomina", "O ni E"));
        }
    }

    const auto paymentDate = Attribute(attributes, "FechaPago");
    if (!paymentDate) {
        Fail(complement, Missing("FechaPago", "Nomina"));
    } else if (!IsReceiptDate(*paymentDate)) {
        Fail(complement, Invalid("FechaPago", "Nomina", "una fecha AAAA-MM-DD"));
    } else {
        figures.paymentDate = *paymentDate;
    }
    figures.periodStart = Attribute(attributes, "FechaInicialPago").value_or("");
    figures.periodEnd = Attribute(attributes, "FechaFinalPago").value_or("");

    const auto days = Attribute(attributes, "NumDiasPagados");
    if (!days) {
        Fail(complement, Missing("NumDiasPagados", "Nomina"));
    } else if (const auto read = ReceiptDays(*days)) {
        figures.daysPaid = *read;
    } else {
        Fail(complement, Invalid("NumDiasPagados", "Nomina",
                                 "un número de días (mayor que 0, hasta tres decimales)"));
    }
}

void ReceiptMapping::StartPayrollElement(Complement& complement, std::string_view name,
                                         std::span<const XmlAttribute> attributes) {
    auto& figures = complement.figures;
    const bool v11 = *complement.row.version == PayrollVersion::k11;
    // Each amount is read once; nothing (and the row failed) when it is missing or no amount.
    const auto read = [&](std::string_view attribute) -> std::optional<Cents> {
        const auto text = Attribute(attributes, attribute);
        if (!text) {
            Fail(complement, Missing(attribute, name));
            return std::nullopt;
        }
        const auto amount = ReceiptAmount(*text);
        if (!amount) Fail(complement, Invalid(attribute, name, "un importe"));
        return amount;
    };
    const auto addTo = [&](Cents& sum, std::optional<Cents> amount) {
        if (!amount) return;
        const auto total = Cents::Sum(sum, *amount);
        if (!total) Fail(complement, "una suma de " + std::string(name) + " no cabe en un importe");
        sum = total.value_or(sum);
    };
    const auto type = [&](std::string_view attribute) {
        const auto text = Attribute(attributes, attribute);
        if (!text) Fail(complement, Missing(attribute, name));
        return text.value_or("");
    };

    if (!v11 && name == "Receptor" && complement.depth + 1 == depth_) {
        complement.row.curp = Attribute(attributes, "Curp").value_or("");
        complement.row.employeeNumber = Attribute(attributes, "NumEmpleado").value_or("");
        complement.receptorRead = true;
        const auto periodicity = Attribute(attributes, "PeriodicidadPago");
        const auto coded = periodicity ? PeriodicityOfCode(*periodicity) : std::nullopt;
        if (!periodicity) {
            Fail(complement, Missing("PeriodicidadPago", name));
        } else if (!coded) {
            Fail(complement, Invalid("PeriodicidadPago", name, "un código del catálogo"));
        } else {
            figures.periodicity = *coded;
        }
    } else if (name == "Percepcion") {
        auto& perception = figures.perceptions.emplace_back();
        perception.type = type("TipoPercepcion");
        const auto taxed = read("ImporteGravado");
        const auto exempt = read("ImporteExento");
        perception.taxed = taxed.value_or(Cents{});
        perception.exempt = exempt.value_or(Cents{});
        if (v11 && perception.type == kSubsidyPerception11) {
            addTo(figures.subsidyDelivered, taxed);
            addTo(figures.subsidyDelivered, exempt);
        }
    } else if (name == "Deduccion") {
        if (type("TipoDeduccion") != kIsrDeduction) return;
        if (v11) {
            addTo(figures.isrWithheld, read("ImporteGravado"));
            addTo(figures.isrWithheld, read("ImporteExento"));
        } else {
            addTo(figures.isrWithheld, read("Importe"));
        }
    } else if (!v11 && name == "OtroPago") {
        if (type("TipoOtroPago") == kSubsidyOtherPayment)
            addTo(figures.subsidyDelivered, read("Importe"));
    } else if (!v11 && name == "SubsidioAlEmpleo") {
        Cents caused = figures.subsidyCaused.value_or(Cents{});
        addTo(caused, read("SubsidioCausado"));
        figures.subsidyCaused = caused;
    }
}

std::vector<ReceiptRow> ReceiptMapping::Finish() {
    std::vector<ReceiptRow> rows;
    if (documentProblem_) {
        rows.push_back(Unreadable(std::move(*documentProblem_)));
    } else if (complements_.empty()) {
        rows.push_back(Unreadable("el CFDI no tiene complemento de nómina"));
    }
    for (auto& complement : complements_) {
        if (documentProblem_) break;
        // 1.2 says how often the worker is paid in its own Receptor.
        if (complement.row.version == PayrollVersion::k12 && !complement.receptorRead)
            Fail(complement, Missing("Receptor", "Nomina"));
        auto& row = rows.emplace_back(std::move(complement.row));
        row.uuid = uuid_;
        row.issuerRfc = issuerRfc_;
        row.receiverRfc = receiverRfc_;
        if (row.problem.empty()) row.figures = std::move(complement.figures);
    }
    *this = ReceiptMapping();
    return rows;
}

ReceiptRow ReceiptMapping::Unreadable(std::string problem) {
    ReceiptRow row;
    row.problem = std::move(problem);
    return row;
}

}  // namespace isr
