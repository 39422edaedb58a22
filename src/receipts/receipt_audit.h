// SPDX-License-Identifier: MIT
// Whether a receipt withheld what the 2016 law gives: its net withholding (ISR withheld minus the
// subsidy delivered) against three lawful calculations of its ordinary pay, the period's own
// table, the daily tariff times the days paid and the monthly tariff through 30.4.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "money/cents.h"
#include "receipts/receipt_figures.h"
#include "tariffs/table_set.h"

namespace isr {

// In the order a match is looked for.
enum class AuditMethod : std::uint8_t { kPeriodo, kDias, kMensual };
inline constexpr std::size_t kAuditMethodCount = 3;

// How the taxed part of an aguinaldo, PTU or prima (art. 174 RLISR) was withheld: added to the
// period's base (art. 96 LISR), or apart, spread over the year (art. 174).
enum class Art174Way : std::uint8_t { kArt96, kArt174 };

enum class Verdict : std::uint8_t { kCoincide, kDifiere, kNoAuditado };

// Why a receipt was not audited, as the summary counts them.
enum class NotAuditedCause : std::uint8_t {
    kUnreadable,     // not read to its figures: `reason` says why
    kYear,           // paid outside 2014-2017, under other tariffs
    kExtraordinary,  // TipoNomina E
    kSeparation,     // a separation payment (022, 023, 025)
    kNoTable,        // no table for its periodicity nor its days
};

struct AuditCandidate {
    Cents result;                  // tax minus subsidy
    Cents subsidy;                 // the subsidy in it, to compare with SubsidioCausado
    std::optional<Art174Way> way;  // with a taxed art. 174 part only
};

struct ReceiptAudit {
    Verdict verdict = Verdict::kNoAuditado;
    NotAuditedCause cause = NotAuditedCause::kUnreadable;  // kNoAuditado only
    std::string reason;  // why not audited, or what else is amiss (SubsidioCausado)
    // The rest only for an audited receipt.
    Cents ordinaryBase;  // the taxed perceptions but the subsidy (017) and the art. 174 ones
    Cents art174Taxed;   // the taxed part of 002, 003, 020 and 021
    Cents receiptNet;    // ISR withheld minus subsidy delivered
    // By AuditMethod; nothing where the method has no table for the receipt. With an art. 174
    // part, the way nearer the receipt's net.
    std::array<std::optional<AuditCandidate>, kAuditMethodCount> candidates;
    std::optional<AuditMethod> method;  // kCoincide: the first that matches
    std::optional<Cents> difference;    // kDifiere: receiptNet minus the nearest candidate
};

// `figures` is nothing for a receipt that could not be read, whose `problem` is the reason.
ReceiptAudit AuditReceipt(const TableSet& tables, const ReceiptRow& row, Cents tolerance);

}  // namespace isr
