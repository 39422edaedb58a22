// SPDX-License-Identifier: MIT
#include "cli/csv_command.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "batch/csv_reader.h"
#include "batch/quoted_argument.h"
#include "cli/batch_progress.h"
#include "cli/csv_batch.h"
#include "cli/descriptor_source.h"
#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/output_file.h"
#include "cli/system_error_text.h"
#include "money/amount_text.h"

namespace isr::cli {

namespace {

// The summary of a finished batch for --resumen: plain counts, and "#,0.00" sums, as a script
// would read them.
void WriteSummary(const BatchLayout& layout, const BatchSummary& summary, std::ostream& err) {
    err << "filas: " << summary.Rows() << '\n' << "filas con error: " << summary.BadRows() << '\n';
    const auto captions = TotalCaptions(layout);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const auto total = summary.Total(i);
        err << captions[i] << ": " << (total ? AmountText(*total).View() : "fuera de rango")
            << '\n';
    }
}

}  // namespace

int RunCsv(std::span<const std::string_view> operands, const TableSet& tables, bool withSummary,
           const Console& console) {
    const auto named = [&](std::size_t i) { return operands.size() > i && operands[i] != "-"; };
    const bool namedOutput = named(1) && operands[1] != "/dev/stdout";
    OwnedDescriptor inFile;
    if (named(0)) {
        inFile.descriptor = open(std::string(operands[0]).c_str(), O_RDONLY | O_CLOEXEC);
        if (inFile.descriptor < 0) return CannotOpen(console.err, operands[0], "leer", errno);
    }
    const int inDescriptor = named(0) ? inFile.descriptor : console.inDescriptor;
    const auto input = inDescriptor >= 0 ? IdentityOf(inDescriptor) : std::nullopt;
    // Standard output straight into the file being read (">>" onto it) would read its own rows.
    if (!namedOutput && input && console.outDescriptor >= 0 &&
        IdentityOf(console.outDescriptor) == input) {
        Message(console.err) << "la salida estándar es el archivo de ENTRADA: escriba los "
                                "resultados en otro archivo, o nómbrelo como SALIDA\n";
        return kExitUsage;
    }
    std::optional<DescriptorSource> descriptorSource;
    std::optional<StreamSource> streamSource;
    ByteSource* source = nullptr;
    if (inDescriptor >= 0) {
        source = &descriptorSource.emplace(inDescriptor);
    } else {
        source = &streamSource.emplace(console.in);
    }
    CsvReader reader(*source);
    const auto layout = ReadBatchHeader(reader, console.err);
    if (!layout) return kExitUsage;

    // Opened only now, so that an unusable input leaves no temporary file either.
    OutputFile outFile;
    if (namedOutput) {
        const std::string path(operands[1]);
        switch (outFile.Open(path, input)) {
            case OutputFile::Opened::kOpened:
                break;
            case OutputFile::Opened::kSameAsInput:
                Message(console.err)
                    << QuotedArgument(path, kQuotedPathCharacters)
                    << " es el archivo de ENTRADA y se escribiría mientras se lee: "
                       "nombre otra SALIDA\n";
                return kExitUsage;
            case OutputFile::Opened::kFailed:
                return CannotOpen(console.err, path, "escribir", outFile.Error());
        }
    }
    std::optional<ProgressLine> progress;
    if (console.errIsTerminal) progress.emplace(console.err);
    BatchOptions options;
    options.workers = std::max(1u, std::thread::hardware_concurrency());
    options.progress = progress ? &*progress : nullptr;
    options.tables = &tables;
    BatchSummary summary;
    if (withSummary) options.summary = &summary;
    auto& out = namedOutput ? outFile.Stream() : console.out;
    const int status = RunBatch(reader, *layout, out, console.err, options);
    if (status == kExitUsage) return status;
    if (namedOutput && !outFile.Commit()) {
        Message(console.err) << "no se pudo escribir "
                             << QuotedArgument(operands[1], kQuotedPathCharacters) << ": "
                             << SystemErrorText(outFile.Error()) << '\n';
        return kExitUsage;
    }
    if (withSummary) WriteSummary(*layout, summary, console.err);
    return status;
}

}  // namespace isr::cli
