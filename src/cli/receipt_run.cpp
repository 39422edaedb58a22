// SPDX-License-Identifier: MIT
#include "cli/receipt_run.h"

#include <algorithm>
#include <ostream>
#include <thread>

#include "batch/quoted_argument.h"
#include "cli/descriptor_output.h"
#include "cli/diagnostics.h"
#include "cli/help.h"
#include "cli/output_file.h"
#include "cli/receipt_sources.h"
#include "cli/receipt_xml.h"
#include "cli/receipt_year.h"
#include "cli/system_error_text.h"
#include "money/amount_text.h"
#include "parallel/worker_pool.h"
#include "receipts/receipt_report.h"
#include "tariffs/table_sets.h"

namespace isr::cli {

namespace {

// A chunk of documents handed to one worker: small enough for the workers to share a folder
// evenly to its last files, large enough that handing it over costs little.
constexpr std::size_t kChunkDocuments = 64;
constexpr std::size_t kChunkBytes = 1024 * 1024;

// One document of a chunk: a file the worker reads itself, so that reading runs on every core,
// or one read already (a ZIP's entry, streamed in order on the main thread, or a refusal).
struct ChunkDocument {
    const std::string* file = nullptr;
    ReceiptDocument read;
};

struct ReceiptChunk {
    std::vector<ChunkDocument> documents;
    std::size_t bytes = 0;
    ByteBuffer out;
    ReportTally tally;

    void Clear() {
        documents.clear();
        bytes = 0;
        out.Clear();
        tally = {};
    }
    bool Full() const { return documents.size() >= kChunkDocuments || bytes >= kChunkBytes; }
};

struct ReceiptWorker {
    ReceiptXml reader;
    ReceiptFileReader files;
};

void AuditChunk(const ReceiptOptions& options, ReceiptChunk& chunk, ReceiptWorker& worker) {
    for (auto& document : chunk.documents) {
        auto& read = document.read;
        std::string_view bytes = read.bytes;
        if (document.file != nullptr) {
            read.problem = worker.files.Read(*document.file);
            bytes = worker.files.Bytes();
        }
        const auto rows = read.problem.empty()
                              ? worker.reader.Read(bytes)
                              : std::vector{ReceiptMapping::Unreadable(read.problem)};
        const std::string_view name = document.file != nullptr ? *document.file : read.name;
        for (const auto& row : rows) {
            const auto audit = AuditReceipt(*options.tables, row, options.tolerance);
            WriteReportRecord(chunk.out, name, row, audit);
            chunk.tally.Count(audit);
        }
        read.bytes = {};  // the memory goes back as soon as the document is read
    }
}

}  // namespace

bool AsksForReceipts(std::span<const std::string_view> args) {
    for (const auto arg : args) {
        if (arg == "--") return false;
        if (arg == "--recibos") return true;
    }
    return false;
}

std::variant<ReceiptOptions, std::string> ReadReceiptOptions(
    std::span<const std::string_view> args) {
    ReceiptOptions options{&DefaultTableSet(), Cents(), false, std::nullopt, {}};
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto arg = args[i];
        // The value of an option given as "--name VALUE" or "--name=VALUE".
        const auto value = [&](std::string_view name) -> std::optional<std::string_view> {
            if (arg == name && i + 1 < args.size()) return args[++i];
            if (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=')
                return arg.substr(name.size() + 1);
            return std::nullopt;
        };
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            options.paths.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--recibos") {
        } else if (arg == "--resumen") {
            options.summary = true;
        } else if (arg == "--ejercicio") {
            options.annual = true;
        } else if (arg == "--meses") {
            options.months = true;
        } else if (const auto name = value("--tablas")) {
            options.tables = FindTableSet(*name);
            if (options.tables == nullptr)
                return "tablas desconocidas: " + QuotedArgument(*name) + " (" + TableSetNames() +
                       ")";
        } else if (const auto text = value("--tolerancia")) {
            const auto read = ReadAmount(*text);
            if (read.kind != TypedAmount::Kind::kAmount || read.cents < Cents())
                return "--tolerancia no es un importe de 0.00 en adelante: " +
                       QuotedArgument(*text);
            options.tolerance = read.cents;
        } else if (const auto path = value("--salida")) {
            options.output = std::string(*path);
        } else if (arg == "--tablas" || arg == "--tolerancia" || arg == "--salida") {
            return std::string(arg) + " necesita un valor";
        } else {
            return "opción desconocida con --recibos: " + QuotedArgument(arg);
        }
    }
    if (options.months && !options.annual) return "--meses sólo cuenta con --ejercicio";
    if (options.paths.empty())
        return "--recibos necesita al menos una RUTA (archivo XML, carpeta o ZIP)";
    return options;
}

int RunReceipts(const ReceiptOptions& options, const Console& console) {
    if (options.annual) return RunReceiptYears(options, console);
    const auto listed = ListReceiptPaths(options.paths);
    if (const auto* unreadable = std::get_if<UnreadablePath>(&listed)) {
        Message(console.err) << "no se puede leer "
                             << QuotedArgument(unreadable->path, kQuotedPathCharacters) << ": "
                             << unreadable->why << '\n';
        return kExitUsage;
    }
    OutputFile outFile;
    const bool namedOutput = options.output && *options.output != "-";
    if (namedOutput) {
        if (outFile.Open(*options.output, std::nullopt) != OutputFile::Opened::kOpened) {
            return CannotOpen(console.err, *options.output, "escribir", outFile.Error());
        }
    }
    std::ostream& out = namedOutput ? outFile.Stream() : console.out;
    ByteBuffer header;
    WriteReportHeader(header);
    out.write(header.Data(), static_cast<std::streamsize>(header.Size()));

    const unsigned workers = std::max(1U, std::thread::hardware_concurrency());
    std::vector<std::unique_ptr<ReceiptWorker>> readers;
    for (unsigned w = 0; w < workers; ++w) readers.push_back(std::make_unique<ReceiptWorker>());
    // Every worker with a chunk in hand and one waiting while the oldest is written: at most
    // that many chunks of about a MiB (and one receipt of at most 4 MiB) are held at once, and
    // each worker's room for a file, at most 4 MiB.
    const std::size_t ring = 2 * std::size_t{workers} + 2;
    std::vector<ReceiptChunk> chunks(ring);
    std::vector<PoolJob> jobs;
    jobs.reserve(ring);
    for (auto& chunk : chunks) {
        jobs.emplace_back([&, chunk = &chunk](unsigned worker) {
            AuditChunk(options, *chunk, *readers[worker]);
        });
    }
    // Last, so that it joins its threads before anything they use goes away.
    WorkerPool pool(workers);
    std::uint64_t submitted = 0;
    std::uint64_t written = 0;
    ReportTally tally;
    const auto writeOldest = [&] {
        const auto& chunk = chunks[written % ring];
        pool.Wait(jobs[written % ring]);
        out.write(chunk.out.Data(), static_cast<std::streamsize>(chunk.out.Size()));
        tally.Add(chunk.tally);
        ++written;
    };
    const auto submit = [&] {
        pool.Submit(jobs[submitted % ring]);
        ++submitted;
        if (submitted - written == ring) writeOldest();
        chunks[submitted % ring].Clear();
    };
    chunks[0].Clear();
    for (const auto& path : std::get<std::vector<ReceiptPath>>(listed)) {
        if (!out) break;
        if (!path.zip && path.problem.empty()) {
            auto& chunk = chunks[submitted % ring];
            chunk.documents.push_back({&path.path, {}});
            if (chunk.Full()) submit();
            continue;
        }
        ReadReceiptDocuments(path, [&](ReceiptDocument&& document) {
            auto& chunk = chunks[submitted % ring];
            chunk.bytes += document.bytes.size();
            chunk.documents.push_back({nullptr, std::move(document)});
            if (chunk.Full()) submit();
        });
    }
    if (!chunks[submitted % ring].documents.empty()) submit();
    while (written < submitted) writeOldest();
    out.flush();
    const bool complete = out && (!namedOutput || outFile.Commit());
    if (!complete) {
        Message(console.err);
        if (namedOutput && outFile.Error() != 0) {
            console.err << "no se pudo escribir "
                        << QuotedArgument(*options.output, kQuotedPathCharacters) << ": "
                        << SystemErrorText(outFile.Error());
        } else {
            console.err << WriteFailure(out);
        }
        console.err << '\n';
        return kExitUsage;
    }
    if (options.summary) console.err << tally.Summary();
    return tally.AllAgree() ? kExitOk : kExitBadRows;
}

}  // namespace isr::cli
