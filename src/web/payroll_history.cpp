// SPDX-License-Identifier: MIT
#include "web/payroll_history.h"

#include <cstdint>
#include <string>
#include <vector>

#include "annual/annual_report.h"
#include "annual/held_history.h"
#include "annual/year_rows.h"
#include "batch/batch_chunk.h"
#include "batch/batch_summary.h"
#include "web/payroll_io.h"

namespace isr::web {

namespace {

// Results go to the page in pieces of about this size.
constexpr std::size_t kOutputPiece = 64 * 1024;
// Progress every this many payments read.
constexpr std::uint64_t kProgressRows = 4096;

std::string TooLong(std::uint64_t line) {
    return "No se agrupó el historial: pasa, en la línea " + CountText(line) + ", de los " +
           CountText(kHistoryBytes >> 20) + " MiB que la página da a sus pagos (unos " +
           CountText(kHistoryBytes / HeldHistory::kPaymentBytes) +
           " pagos). isr2016-cli --ejercicio lo agrupa en disco, sin ese límite.";
}

std::string Outcome(std::uint64_t payments, std::uint64_t badRows, const AnnualCounts& counts) {
    std::string outcome = "Listo: " + CountText(payments) +
                          (payments == 1 ? " pago, " : " pagos, ") + CountText(counts.years) +
                          (counts.years == 1 ? " empleado y año" : " empleados y años");
    if (badRows == 0 && counts.errors == 0) return outcome + ", todos calculados.";
    return outcome + "; " + CountText(counts.errors) + (counts.errors == 1 ? " año" : " años") +
           " sin cifras (vea la columna motivo) y " + CountText(badRows) +
           (badRows == 1 ? " fila" : " filas") + " con error.";
}

void SendSummary(std::uint64_t payments, std::uint64_t badRows, const AnnualCounts& counts,
                 const std::vector<std::string>& messages) {
    SendCounts(payments, badRows);
    SendTotalsLabel("Empleados y años por resultado");
    SendTotal("Empleados y años", CountText(counts.years));
    for (const auto result : {AnnualResult::kACargo, AnnualResult::kAFavor,
                              AnnualResult::kSinDiferencia, AnnualResult::kNoCorresponde}) {
        SendTotal(ResultText(result), CountText(counts.byResult[static_cast<std::size_t>(result)]));
    }
    SendTotal("Años con error", CountText(counts.errors));
    for (const auto& message : messages) SendMessage(message);
}

}  // namespace

void RunHistory(const TableSet& tables, CsvReader& reader, const HistoryColumns& columns) {
    HeldHistory held(kHistoryBytes);
    CsvRecordBatch batch;
    std::uint64_t payments = 0;
    std::uint64_t badRows = 0;
    std::vector<std::string> messages;
    while (batch.Clear(), reader.ReadRecord(batch)) {
        const auto& record = batch[0];
        ++payments;
        auto read = ReadHistoryRow(tables, columns, batch, record);
        bool kept = true;
        if (auto* row = std::get_if<HistoryPayment>(&read)) {
            kept = held.Add(
                {std::string(row->employee), row->payment.paid.year, record.line, row->payment});
        } else {
            ++badRows;
            if (messages.size() < BatchSummary::kKeptMessages) {
                messages.push_back("línea " + std::to_string(record.line) + ": " +
                                   std::get<std::string>(read));
            }
            if (const auto year = YearOfUnreadRow(columns, batch, record)) {
                kept = held.Add({std::string(year->employee), year->year, record.line, {}});
            }
        }
        if (!kept) {
            SendDone(TooLong(record.line), false);
            return;
        }
        if (payments % kProgressRows == 0) SendProgress(payments);
    }
    if (reader.Failed()) {
        SendDone("No se calculó el historial: " + std::string(kReadFailure) + '.', false);
        return;
    }
    ByteBuffer out;
    CsvRecordWriter writer(out, reader.FirstLineEnd(), reader.Separator());
    WriteAnnualHeader(writer, {});
    AnnualCounts counts;
    YearRows rows(tables, {}, writer, counts);
    held.Drain([&](const HeldHistory::Payment& p) {
        rows.Take(p.employee, p.year, p.payment);
        if (out.Size() >= kOutputPiece) {
            SendOutput(out);
            out.Clear();
        }
    });
    rows.Finish();
    SendOutput(out);
    SendSummary(payments, badRows, counts, messages);
    SendDone(Outcome(payments, badRows, counts), true);
}

}  // namespace isr::web
