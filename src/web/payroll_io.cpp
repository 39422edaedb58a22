// SPDX-License-Identifier: MIT
#include "web/payroll_io.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "money/amount_text.h"

// Functions of payroll.js, in the worker: a slice of the file (-1 when it cannot be read), a
// chunk of results, the rows done, and the summary, item by item, then the outcome.
EM_JS(int, js_payroll_read, (char* into, int size), { return payrollRead(into, size); });
EM_JS(void, js_payroll_write, (const char* bytes, int size), { payrollWrite(bytes, size); });
EM_JS(void, js_payroll_progress, (const char* rows), { payrollProgress(UTF8ToString(rows)); });
EM_JS(void, js_payroll_counts, (const char* rows, const char* badRows), {
    payrollSummary.rows = UTF8ToString(rows);
    payrollSummary.badRows = UTF8ToString(badRows);
});
EM_JS(void, js_payroll_totals_label, (const char* label),
      { payrollSummary.totalsLabel = UTF8ToString(label); });
EM_JS(void, js_payroll_total, (const char* caption, const char* text), {
    payrollSummary.totals.push([ UTF8ToString(caption), UTF8ToString(text) ]);
});
EM_JS(void, js_payroll_message, (const char* text),
      { payrollSummary.messages.push(UTF8ToString(text)); });
EM_JS(void, js_payroll_done, (const char* outcome, int finished),
      { payrollDone(UTF8ToString(outcome), finished == 1); });

namespace isr::web {

std::size_t FileSlices::Read(char* into, std::size_t size) {
    if (failed_) return 0;
    const int got = js_payroll_read(into, static_cast<int>(size));
    failed_ = got < 0;
    return failed_ ? 0 : static_cast<std::size_t>(got);
}

void SendOutput(const ByteBuffer& bytes) {
    if (bytes.Size() > 0) js_payroll_write(bytes.Data(), static_cast<int>(bytes.Size()));
}

void SendProgress(std::uint64_t rows) {
    js_payroll_progress(CountText(rows).c_str());
}

void SendCounts(std::uint64_t rows, std::uint64_t badRows) {
    js_payroll_counts(CountText(rows).c_str(), CountText(badRows).c_str());
}

void SendTotalsLabel(std::string_view label) {
    js_payroll_totals_label(std::string(label).c_str());
}

void SendTotal(std::string_view caption, std::string_view text) {
    js_payroll_total(std::string(caption).c_str(), std::string(text).c_str());
}

void SendMessage(std::string_view text) {
    js_payroll_message(std::string(text).c_str());
}

void SendDone(std::string_view outcome, bool finished) {
    js_payroll_done(std::string(outcome).c_str(), finished ? 1 : 0);
}

std::string CountText(std::uint64_t count) {
    const auto cents = Cents::FromCount(static_cast<std::int64_t>(count) * 100);
    std::string text(AmountText(*cents).View());
    text.resize(text.size() - 3);
    return text;
}

}  // namespace isr::web
