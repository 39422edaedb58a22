// SPDX-License-Identifier: MIT
// The page's card "Nómina completa (CSV)": the command line's batch, run in a worker on a file the
// user chose, a chunk of records at a time. The file is read in slices and the results go out
// chunk by chunk, so that memory stays flat whatever the file's size. The card's script
// (payroll.js) reads the slices, gathers the results and shows the summary this gives it. A
// payment history, told by its header, gets the employer's annual calculation instead
// (payroll_history.h).
#include <emscripten/emscripten.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "annual/history_row.h"
#include "batch/batch_chunk.h"
#include "money/amount_text.h"
#include "tariffs/table_sets.h"
#include "web/dom.h"
#include "web/payroll_history.h"
#include "web/payroll_io.h"

namespace isr {
namespace {

using web::CountText;

void SendSummary(const BatchLayout& layout, const BatchSummary& summary) {
    web::SendCounts(summary.Rows(), summary.BadRows());
    web::SendTotalsLabel("Sumas de las filas sin error");
    const auto captions = TotalCaptions(layout);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const auto total = summary.Total(i);
        web::SendTotal(captions[i], total ? AmountText(*total).View() : "fuera de rango");
    }
    for (const auto& message : summary.FirstMessages()) web::SendMessage(message);
}

std::string Outcome(const BatchSummary& summary) {
    const bool one = summary.Rows() == 1;
    std::string outcome = "Listo: " + CountText(summary.Rows()) + (one ? " fila" : " filas");
    if (summary.BadRows() == 0) return outcome + (one ? ", bien." : ", todas bien.");
    return outcome + "; " + CountText(summary.BadRows()) +
           " con error, explicado en la columna error de los resultados.";
}

void RunPayroll(const TableSet& tables) {
    web::FileSlices source;
    CsvReader reader(source, web::kSliceBytes);
    CsvRecordBatch header;
    std::string problem;
    std::optional<BatchLayout> layout;
    if (reader.ReadRecord(header, CsvReader::AfterLongRecord::kStop)) {
        // A payment history is told by its columns; any other file is a payroll.
        std::string notHistory;  // what it lacks as one; the payroll's own problem is told
        if (const auto columns = HistoryColumnsFromHeader(header, header[0], notHistory)) {
            web::RunHistory(tables, reader, *columns);
            return;
        }
        layout = BatchLayoutOfHeader(reader, header, problem);
    } else {
        problem = HeaderProblem(reader);
    }
    if (!layout) {
        web::SendDone("No se calculó la nómina: " + problem + '.', false);
        return;
    }
    BatchChunk chunk;
    WriteOutputStart(reader, *layout, chunk.out);
    web::SendOutput(chunk.out);
    const auto lineEnd = reader.FirstLineEnd();
    RowScratch scratch;
    BatchSummary summary;
    for (;;) {
        chunk.Clear();
        while (!chunk.Full() && reader.ReadRecord(chunk.records)) {
        }
        if (chunk.records.empty()) break;
        ProcessChunk(tables, *layout, lineEnd, {}, RowFigures::kSummed, chunk, scratch);
        summary.Add(chunk.summary);
        web::SendOutput(chunk.out);
        web::SendProgress(summary.Rows());
    }
    if (reader.Failed()) {
        web::SendDone("No se calculó la nómina: " + std::string(kReadFailure) + '.', false);
        return;
    }
    SendSummary(*layout, summary);
    web::SendDone(Outcome(summary), true);
}

}  // namespace
}  // namespace isr

extern "C" {

// In the worker: the whole file, with the tables of the page's list at `tableSet`.
EMSCRIPTEN_KEEPALIVE void isr_payroll_run(int tableSet) {
    isr::RunPayroll(*isr::AllTableSets()[static_cast<std::size_t>(tableSet)]);
}

// On the page: the card names the tables chosen in the page's list, as a run starts and while it
// holds no run (payroll.js): a run's results keep the name of the tables they were made with.
EMSCRIPTEN_KEEPALIVE void isr_payroll_tables_chosen() {
    const auto& tables =
        *isr::AllTableSets()[static_cast<std::size_t>(isr::dom::SelectedIndex("cmbTablas"))];
    isr::dom::SetText("lblNominaTablas", tables.Title());
}

}  // extern "C"
