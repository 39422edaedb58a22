// SPDX-License-Identifier: MIT
#include "cli/annual_run.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <ostream>
#include <string>

#include "annual/history_row.h"
#include "annual/year_rows.h"
#include "batch/csv_reader.h"
#include "batch/quoted_argument.h"
#include "cli/descriptor_output.h"
#include "cli/descriptor_source.h"
#include "cli/diagnostics.h"
#include "cli/output_file.h"
#include "cli/system_error_text.h"

namespace isr::cli {

namespace {

// Output is handed on in pieces of about this size.
constexpr std::size_t kOutputPiece = 64 * 1024;

int SpoolFailed(std::ostream& err, const PaymentSpool& spool) {
    Message(err) << "no se pudo usar un archivo temporal: " << SystemErrorText(spool.Error())
                 << '\n';
    return kExitUsage;
}

}  // namespace

void AnnualTally::Write(std::ostream& err) const {
    err << "empleados y años: " << years << '\n';
    for (const auto result : {AnnualResult::kACargo, AnnualResult::kAFavor,
                              AnnualResult::kSinDiferencia, AnnualResult::kNoCorresponde}) {
        err << ResultText(result) << ": " << byResult[static_cast<std::size_t>(result)] << '\n';
    }
    err << "con error: " << errors << '\n' << "pagos con error: " << badRows << '\n';
}

int WriteYears(PaymentSpool& spool, const TableSet& tables, AnnualReportOptions report,
               std::string_view lineEnd, char separator, std::ostream& out, std::ostream& err,
               AnnualTally& tally) {
    ByteBuffer buffer;
    CsvRecordWriter writer(buffer, lineEnd, separator);
    const auto handOn = [&] {
        out.write(buffer.Data(), static_cast<std::streamsize>(buffer.Size()));
        buffer.Clear();
        return static_cast<bool>(out);
    };
    WriteAnnualHeader(writer, report);
    YearRows group(tables, report, writer, tally);
    const bool drained = spool.Drain([&](const SpooledPayment& p) {
        group.Take(p.employee, p.year, p.payment);
        return buffer.Size() < kOutputPiece || handOn();
    });
    if (!drained) return SpoolFailed(err, spool);
    group.Finish();
    if (!handOn() || !out.flush()) {
        Message(err) << WriteFailure(out) << '\n';
        return kExitUsage;
    }
    return tally.errors > 0 || tally.badRows > 0 ? kExitBadRows : kExitOk;
}

int RunAnnual(std::span<const std::string_view> operands, const TableSet& tables, bool summary,
              AnnualReportOptions report, const Console& console) {
    auto& err = console.err;
    const auto named = [&](std::size_t i) { return operands.size() > i && operands[i] != "-"; };
    const bool namedOutput = named(1) && operands[1] != "/dev/stdout";
    OwnedDescriptor inFile;
    if (named(0)) {
        inFile.descriptor = open(std::string(operands[0]).c_str(), O_RDONLY | O_CLOEXEC);
        if (inFile.descriptor < 0) return CannotOpen(err, operands[0], "leer", errno);
    }
    const int inDescriptor = named(0) ? inFile.descriptor : console.inDescriptor;
    std::optional<DescriptorSource> descriptorSource;
    std::optional<StreamSource> streamSource;
    ByteSource* source = nullptr;
    if (inDescriptor >= 0) {
        source = &descriptorSource.emplace(inDescriptor);
    } else {
        source = &streamSource.emplace(console.in);
    }
    CsvReader reader(*source);
    CsvRecordBatch batch;
    if (!reader.ReadRecord(batch, CsvReader::AfterLongRecord::kStop)) {
        Message(err) << (reader.Failed()
                             ? "no se pudo leer la entrada: " + SystemErrorText(reader.Error())
                             : "la entrada está vacía: falta el encabezado")
                     << '\n';
        return kExitUsage;
    }
    std::string problem;
    const auto columns = HistoryColumnsFromHeader(batch, batch[0], problem);
    if (!columns) {
        Message(err) << problem << '\n';
        return kExitUsage;
    }

    // The whole input is read before anything is written: writing into the file being read
    // can't mix the two, and only a named output needs a temporary file.
    PaymentSpool spool;
    AnnualTally tally;
    while (batch.Clear(), reader.ReadRecord(batch)) {
        const auto& record = batch[0];
        auto read = ReadHistoryRow(tables, *columns, batch, record);
        if (auto* row = std::get_if<HistoryPayment>(&read)) {
            if (!spool.Add({std::string(row->employee), row->payment.paid.year, record.line,
                            row->payment})) {
                return SpoolFailed(err, spool);
            }
            continue;
        }
        ++tally.badRows;
        Message(err) << "línea " << record.line << ": " << std::get<std::string>(read) << '\n';
        // Its year, when the row says whose and which, has no figures.
        const auto year = YearOfUnreadRow(*columns, batch, record);
        if (year &&
            !spool.Add({std::string(year->employee), year->year, record.line, std::nullopt})) {
            return SpoolFailed(err, spool);
        }
    }
    if (reader.Failed()) {
        Message(err) << "no se pudo leer la entrada: " << SystemErrorText(reader.Error()) << '\n';
        return kExitUsage;
    }

    OutputFile outFile;
    if (namedOutput) {
        const std::string path(operands[1]);
        if (outFile.Open(path, std::nullopt) != OutputFile::Opened::kOpened) {
            return CannotOpen(err, path, "escribir", outFile.Error());
        }
    }
    auto& out = namedOutput ? outFile.Stream() : console.out;
    const int status = WriteYears(spool, tables, report, reader.FirstLineEnd(), reader.Separator(),
                                  out, err, tally);
    if (status == kExitUsage) return status;
    if (namedOutput && !outFile.Commit()) {
        Message(err) << "no se pudo escribir " << QuotedArgument(operands[1], kQuotedPathCharacters)
                     << ": " << SystemErrorText(outFile.Error()) << '\n';
        return kExitUsage;
    }
    if (summary) tally.Write(err);
    return status;
}

}  // namespace isr::cli
