// SPDX-License-Identifier: MIT
#include "cli/receipt_year.h"

#include <ostream>

#include "batch/quoted_argument.h"
#include "cli/annual_run.h"
#include "cli/diagnostics.h"
#include "cli/output_file.h"
#include "cli/payment_spool.h"
#include "cli/receipt_sources.h"
#include "cli/receipt_xml.h"
#include "cli/system_error_text.h"

namespace isr::cli {

namespace {

// The subsidy delivered, in 1.1 a perception: no income.
constexpr std::string_view kSubsidyPerception = "017";

}  // namespace

std::optional<YearPayment> YearPaymentOfReceipt(const ReceiptFigures& figures,
                                                const ReceiptAudit& audit) {
    if (figures.kind != PayrollKind::kOrdinaria) return std::nullopt;
    const auto paid = ReadIsoDate(figures.paymentDate);
    if (!paid) return std::nullopt;
    YearPayment payment{*paid,
                        ReadIsoDate(figures.periodStart),
                        ReadIsoDate(figures.periodEnd),
                        Cents(),
                        Cents(),
                        figures.isrWithheld,
                        Cents()};
    // The reading bounds every figure and the size of a receipt bounds how many there are: the
    // sums stay far within an amount.
    for (const auto& perception : figures.perceptions) {
        if (perception.type == kSubsidyPerception) continue;
        payment.taxable = payment.taxable + perception.taxed;
        payment.exempt = payment.exempt + perception.exempt;
    }
    if (figures.subsidyCaused) {
        payment.subsidy = *figures.subsidyCaused;
    } else if (audit.method) {
        payment.subsidy = audit.candidates[static_cast<std::size_t>(*audit.method)]->subsidy;
    } else {
        for (const auto& candidate : audit.candidates) {
            if (!candidate) continue;
            payment.subsidy = candidate->subsidy;
            break;
        }
    }
    return payment;
}

int RunReceiptYears(const ReceiptOptions& options, const Console& console) {
    auto& err = console.err;
    const auto listed = ListReceiptPaths(options.paths);
    if (const auto* unreadable = std::get_if<UnreadablePath>(&listed)) {
        Message(err) << "no se puede leer "
                     << QuotedArgument(unreadable->path, kQuotedPathCharacters) << ": "
                     << unreadable->why << '\n';
        return kExitUsage;
    }
    PaymentSpool spool;
    AnnualTally tally;
    ReceiptXml reader;
    std::uint64_t sequence = 0;
    bool spooled = true;
    for (const auto& path : std::get<std::vector<ReceiptPath>>(listed)) {
        ReadReceiptDocuments(path, [&](ReceiptDocument&& document) {
            const auto rows = document.problem.empty()
                                  ? reader.Read(document.bytes)
                                  : std::vector{ReceiptMapping::Unreadable(document.problem)};
            for (const auto& row : rows) {
                ++sequence;
                if (!row.figures) {
                    ++tally.badRows;
                    Message(err) << QuotedArgument(document.name, kQuotedPathCharacters) << ": "
                                 << row.problem << '\n';
                    continue;
                }
                const auto audit = AuditReceipt(*options.tables, row, options.tolerance);
                const auto payment = YearPaymentOfReceipt(*row.figures, audit);
                if (!payment) continue;
                spooled =
                    spooled && spool.Add({row.receiverRfc, payment->paid.year, sequence, *payment});
            }
        });
        if (!spooled) break;
    }
    if (!spooled) {
        Message(err) << "no se pudo usar un archivo temporal: " << SystemErrorText(spool.Error())
                     << '\n';
        return kExitUsage;
    }
    OutputFile outFile;
    const bool namedOutput = options.output && *options.output != "-";
    if (namedOutput && outFile.Open(*options.output, std::nullopt) != OutputFile::Opened::kOpened) {
        return CannotOpen(err, *options.output, "escribir", outFile.Error());
    }
    auto& out = namedOutput ? outFile.Stream() : console.out;
    const int status =
        WriteYears(spool, *options.tables, {.months = options.months}, "\n", ',', out, err, tally);
    if (status == kExitUsage) return status;
    if (namedOutput && !outFile.Commit()) {
        Message(err) << "no se pudo escribir "
                     << QuotedArgument(*options.output, kQuotedPathCharacters) << ": "
                     << SystemErrorText(outFile.Error()) << '\n';
        return kExitUsage;
    }
    if (options.summary) tally.Write(err);
    return status;
}

}  // namespace isr::cli
