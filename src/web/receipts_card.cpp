// SPDX-License-Identifier: MIT
// The page's card "Recibos de nómina (CFDI)": the browser parses each receipt (receipts.js, with
// its own DOMParser) and hands over its elements and attributes, names resolved to namespace
// URIs, in one buffer per document; here they go to the receipts' one mapping, the audit and the
// report, as the command line's expat events do. The report comes back in pieces for the
// download, the tally and the first differing receipts at the end.
#include <emscripten/emscripten.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "batch/byte_buffer.h"
#include "money/amount_text.h"
#include "receipts/reading_limits.h"
#include "receipts/receipt_mapping.h"
#include "receipts/receipt_report.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

// The bytes receipts.js writes between the texts of a document's events (UTF-8): characters no
// XML 1.0 document may hold, not even as a reference.
constexpr char kStart = '\x01';      // then the element's URI
constexpr char kName = '\x02';       // then a local name, or after an attribute's name its value
constexpr char kAttribute = '\x03';  // then the attribute's URI
constexpr char kEnd = '\x04';        // the element that started last ends

// How many differing receipts the card lists.
constexpr std::size_t kListedDifferences = 10;

struct Run {
    const TableSet* tables = nullptr;
    ReceiptMapping mapping;
    ByteBuffer out;
    ReportTally tally;
    std::string summary;
    std::vector<std::string> differing;  // "file (uuid): difference", the first few
    std::string differingText;
    std::string buffer;  // what receipts.js hands over
};

Run& TheRun() {
    static Run run;
    return run;
}

// The text from `p` up to the next separator (or the end).
std::string_view Next(const char*& p, const char* end) {
    const char* const begin = p;
    while (p != end && (*p < kStart || *p > kEnd)) ++p;
    return {begin, static_cast<std::size_t>(p - begin)};
}

void Report(Run& run, std::string_view file, const std::vector<ReceiptRow>& rows) {
    for (const auto& row : rows) {
        const auto audit = AuditReceipt(*run.tables, row, Cents());
        WriteReportRecord(run.out, file, row, audit);
        run.tally.Count(audit);
        if (audit.verdict == Verdict::kDifiere && run.differing.size() < kListedDifferences) {
            std::string line(file);
            if (!row.uuid.empty()) line += " (" + row.uuid + ")";
            line += ": ";
            line += AmountText(*audit.difference).View();
            run.differing.push_back(std::move(line));
        }
    }
}

// Feeds the mapping a document's events; nesting deeper than any CFDI is refused as the command
// line's reader refuses it.
std::vector<ReceiptRow> Read(ReceiptMapping& mapping, std::string_view events) {
    const char* p = events.data();
    const char* const end = p + events.size();
    std::vector<XmlAttribute> attributes;
    std::vector<std::pair<std::string_view, std::string_view>> open;
    while (p != end) {
        const char kind = *p++;
        if (kind == kEnd) {
            if (open.empty()) break;
            mapping.EndElement(open.back().first, open.back().second);
            open.pop_back();
            continue;
        }
        if (kind != kStart) break;
        const auto uri = Next(p, end);
        if (p == end || *p++ != kName) break;
        const auto name = Next(p, end);
        attributes.clear();
        while (p != end && *p == kAttribute) {
            ++p;
            const auto attributeUri = Next(p, end);
            if (p == end || *p++ != kName) break;
            const auto attributeName = Next(p, end);
            if (p == end || *p++ != kName) break;
            attributes.push_back({attributeUri, attributeName, Next(p, end)});
        }
        if (open.size() == kDeepestNesting) {
            mapping.Finish();
            return {ReceiptMapping::Unreadable(std::string(kTooDeep))};
        }
        open.emplace_back(uri, name);
        mapping.StartElement(uri, name, attributes);
    }
    return mapping.Finish();
}

}  // namespace
}  // namespace isr

extern "C" {

// A new report, audited with the tables at `tableSet` in the page's list.
EMSCRIPTEN_KEEPALIVE void isr_receipts_begin(int tableSet) {
    auto& run = isr::TheRun();
    run.tables = isr::AllTableSets()[static_cast<std::size_t>(tableSet)];
    run.mapping.Finish();
    run.out.Clear();
    run.tally = {};
    run.differing.clear();
    isr::WriteReportHeader(run.out);
}

// Where receipts.js writes what the next call reads: at least `size` bytes.
EMSCRIPTEN_KEEPALIVE char* isr_receipts_buffer(int size) {
    auto& run = isr::TheRun();
    if (run.buffer.size() < static_cast<std::size_t>(size)) {
        run.buffer.resize(static_cast<std::size_t>(size));
    }
    return run.buffer.data();
}

// A document read whole: in the buffer, its name (`nameSize` bytes), then its events.
EMSCRIPTEN_KEEPALIVE void isr_receipts_document(int nameSize, int size) {
    auto& run = isr::TheRun();
    const std::string_view buffer(run.buffer.data(), static_cast<std::size_t>(size));
    const auto name = buffer.substr(0, static_cast<std::size_t>(nameSize));
    isr::Report(run, name, isr::Read(run.mapping, buffer.substr(name.size())));
}

// A document that could not be read: in the buffer, its name, then why.
EMSCRIPTEN_KEEPALIVE void isr_receipts_unreadable(int nameSize, int size) {
    auto& run = isr::TheRun();
    const std::string_view buffer(run.buffer.data(), static_cast<std::size_t>(size));
    const auto name = buffer.substr(0, static_cast<std::size_t>(nameSize));
    isr::Report(run, name,
                {isr::ReceiptMapping::Unreadable(std::string(buffer.substr(name.size())))});
}

// The report written since it was last taken, `isr_receipts_report_size()` bytes.
EMSCRIPTEN_KEEPALIVE const char* isr_receipts_report() {
    return isr::TheRun().out.Data();
}
EMSCRIPTEN_KEEPALIVE int isr_receipts_report_size() {
    return static_cast<int>(isr::TheRun().out.Size());
}
EMSCRIPTEN_KEEPALIVE void isr_receipts_report_taken() {
    isr::TheRun().out.Clear();
}

// The tally as --resumen prints it.
EMSCRIPTEN_KEEPALIVE const char* isr_receipts_summary() {
    auto& run = isr::TheRun();
    run.summary = run.tally.Summary();
    return run.summary.c_str();
}
EMSCRIPTEN_KEEPALIVE int isr_receipts_all_agree() {
    return isr::TheRun().tally.AllAgree() ? 1 : 0;
}

// The first differing receipts, one a line.
EMSCRIPTEN_KEEPALIVE const char* isr_receipts_differing() {
    auto& run = isr::TheRun();
    run.differingText.clear();
    for (const auto& line : run.differing) run.differingText += line + '\n';
    return run.differingText.c_str();
}

// What receipts.js refuses before the core sees a document, in the words of the command line.
EMSCRIPTEN_KEEPALIVE const char* isr_receipts_too_large() {
    return isr::kTooLarge.data();
}
EMSCRIPTEN_KEEPALIVE const char* isr_receipts_doctype() {
    return isr::kDeclaresDoctype.data();
}
EMSCRIPTEN_KEEPALIVE int isr_receipts_largest() {
    return static_cast<int>(isr::kLargestReceipt);
}

}  // extern "C"
