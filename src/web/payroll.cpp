// SPDX-License-Identifier: MIT
// The page's card "Nómina completa (CSV)": the command line's batch, run in a worker on a file the
// user chose, a chunk of records at a time. The file is read in slices and the results go out
// chunk by chunk, so that memory stays flat whatever the file's size. The card's script
// (payroll.js) reads the slices, gathers the results and shows the summary this gives it.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "batch/batch_chunk.h"
#include "batch/byte_source.h"
#include "money/amount_text.h"
#include "tariffs/table_sets.h"
#include "web/dom.h"

// Functions of payroll.js, in the worker: a slice of the file (-1 when it cannot be read), a
// chunk of results, the rows done, and the summary, item by item, then the outcome.
EM_JS(int, js_payroll_read, (char* into, int size), { return payrollRead(into, size); });
EM_JS(void, js_payroll_write, (const char* bytes, int size), { payrollWrite(bytes, size); });
EM_JS(void, js_payroll_progress, (const char* rows), { payrollProgress(UTF8ToString(rows)); });
EM_JS(void, js_payroll_counts, (const char* rows, const char* badRows), {
    payrollSummary.rows = UTF8ToString(rows);
    payrollSummary.badRows = UTF8ToString(badRows);
});
EM_JS(void, js_payroll_total, (const char* caption, const char* text), {
    payrollSummary.totals.push([ UTF8ToString(caption), UTF8ToString(text) ]);
});
EM_JS(void, js_payroll_message, (const char* text),
      { payrollSummary.messages.push(UTF8ToString(text)); });
EM_JS(void, js_payroll_done, (const char* outcome, int finished),
      { payrollDone(UTF8ToString(outcome), finished == 1); });

namespace isr {
namespace {

// What one read asks for: large enough that the slices cost little, small beside the heap.
constexpr std::size_t kSliceBytes = std::size_t{1} << 20;

class FileSlices final : public ByteSource {
  public:
    std::size_t Read(char* into, std::size_t size) override {
        if (failed_) return 0;
        const int got = js_payroll_read(into, static_cast<int>(size));
        failed_ = got < 0;
        return failed_ ? 0 : static_cast<std::size_t>(got);
    }
    bool Failed() const override { return failed_; }

  private:
    bool failed_ = false;
};

void Send(const ByteBuffer& bytes) {
    if (bytes.Size() > 0) js_payroll_write(bytes.Data(), static_cast<int>(bytes.Size()));
}

// "12,345": the count grouped as every amount is, without its cents.
std::string CountText(std::uint64_t count) {
    const auto cents = Cents::FromCount(static_cast<std::int64_t>(count) * 100);
    std::string text(AmountText(*cents).View());
    text.resize(text.size() - 3);
    return text;
}

void SendSummary(const BatchLayout& layout, const BatchSummary& summary) {
    js_payroll_counts(CountText(summary.Rows()).c_str(), CountText(summary.BadRows()).c_str());
    const auto captions = TotalCaptions(layout);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const auto total = summary.Total(i);
        js_payroll_total(std::string(captions[i]).c_str(),
                         total ? std::string(AmountText(*total).View()).c_str() : "fuera de rango");
    }
    for (const auto& message : summary.FirstMessages()) js_payroll_message(message.c_str());
}

std::string Outcome(const BatchSummary& summary) {
    const bool one = summary.Rows() == 1;
    std::string outcome = "Listo: " + CountText(summary.Rows()) + (one ? " fila" : " filas");
    if (summary.BadRows() == 0) return outcome + (one ? ", bien." : ", todas bien.");
    return outcome + "; " + CountText(summary.BadRows()) +
           " con error, explicado en la columna error de los resultados.";
}

void RunPayroll(const TableSet& tables) {
    FileSlices source;
    CsvReader reader(source, kSliceBytes);
    std::string problem;
    const auto layout = ReadBatchHeader(reader, problem);
    if (!layout) {
        js_payroll_done(("No se calculó la nómina: " + problem + '.').c_str(), 0);
        return;
    }
    BatchChunk chunk;
    WriteOutputStart(reader, *layout, chunk.out);
    Send(chunk.out);
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
        Send(chunk.out);
        js_payroll_progress(CountText(summary.Rows()).c_str());
    }
    if (reader.Failed()) {
        js_payroll_done(("No se calculó la nómina: " + std::string(kReadFailure) + '.').c_str(), 0);
        return;
    }
    SendSummary(*layout, summary);
    js_payroll_done(Outcome(summary).c_str(), 1);
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
