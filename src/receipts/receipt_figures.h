// SPDX-License-Identifier: MIT
// What one payroll complement of a CFDI says, as the audit needs it: texts as written, amounts
// read once to cents, days to thousandths. A row either holds the figures or says why it has none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/days_paid.h"
#include "money/cents.h"
#include "receipts/periodicity.h"

namespace isr {

enum class PayrollVersion : std::uint8_t { k11, k12 };

// TipoNomina: 1.1 knew only ordinary payrolls.
enum class PayrollKind : std::uint8_t { kOrdinaria, kExtraordinaria };

struct Perception {
    std::string type;  // TipoPercepcion, the catalogue's three digits ("001")
    Cents taxed;       // ImporteGravado
    Cents exempt;      // ImporteExento
};

struct ReceiptFigures {
    PayrollKind kind;
    std::string paymentDate;  // FechaPago, checked as YYYY-MM-DD
    std::string periodStart;  // FechaInicialPago, as written
    std::string periodEnd;    // FechaFinalPago, as written
    DaysPaid daysPaid;        // NumDiasPagados, up to three decimals ("15", "15.2", "30.417")
    Periodicity periodicity;
    std::vector<Perception> perceptions;  // in document order
    // The sum of the deductions of type 002 (ISR): their Importe in 1.2, ImporteGravado plus
    // ImporteExento in 1.1, where issuers put it in either.
    Cents isrWithheld;
    // 1.2: the other payments of type 002; 1.1: the perceptions of type 017.
    Cents subsidyDelivered;
    // 1.2 only: SubsidioAlEmpleo's SubsidioCausado, when the receipt has one.
    std::optional<Cents> subsidyCaused;

    int PaymentYear() const;
};

// One row of the reading: a Nomina complement, or a file that yields none.
struct ReceiptRow {
    // What identifies the receipt, as far as it was read (empty where it was not).
    std::optional<PayrollVersion> version;
    std::string uuid;  // the stamp's (TimbreFiscalDigital) UUID
    std::string issuerRfc;
    std::string receiverRfc;
    std::string curp;
    std::string employeeNumber;
    // Either the figures, or `problem` says in a few words why there are none.
    std::optional<ReceiptFigures> figures;
    std::string problem;
};

}  // namespace isr
