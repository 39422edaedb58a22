// SPDX-License-Identifier: MIT
// The least an audit of receipts can cost, to measure `--recibos` against: the same files read
// the same way (folders listed, ZIP entries streamed through libarchive), each parsed by expat
// with namespaces resolved, as the command line's reader does, and nothing else: no attribute
// looked at, no mapping, no audit, no report, one thread. Called as the command line is, so that
// the receipts bench can run either:
//
//   bench_receipt_floor --recibos PATH...
#include <expat.h>

#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "cli/receipt_sources.h"

namespace {

struct Counts {
    unsigned long long documents = 0;
    unsigned long long elements = 0;
    unsigned long long malformed = 0;
};

void OnStart(void* counts, const char*, const char**) {
    ++static_cast<Counts*>(counts)->elements;
}

void OnEnd(void*, const char*) {}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) != "--recibos") arguments.emplace_back(argv[i]);
    }
    const auto listed = isr::cli::ListReceiptPaths(arguments);
    if (!std::holds_alternative<std::vector<isr::cli::ReceiptPath>>(listed)) {
        std::fprintf(stderr, "cannot list %s\n",
                     std::get<isr::cli::UnreadablePath>(listed).path.c_str());
        return 2;
    }
    Counts counts;
    XML_Parser parser = XML_ParserCreateNS(nullptr, '\x01');
    const auto parse = [&](std::string_view bytes) {
        ++counts.documents;
        XML_SetUserData(parser, &counts);
        XML_SetElementHandler(parser, OnStart, OnEnd);
        if (XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), XML_TRUE) !=
            XML_STATUS_OK)
            ++counts.malformed;
        XML_ParserReset(parser, nullptr);
    };
    isr::cli::ReceiptFileReader files;  // files are read as the command line's workers read them
    for (const auto& path : std::get<std::vector<isr::cli::ReceiptPath>>(listed)) {
        if (!path.zip && path.problem.empty()) {
            files.Read(path.path);
            parse(files.Bytes());
            continue;
        }
        isr::cli::ReadReceiptDocuments(
            path, [&](isr::cli::ReceiptDocument&& document) { parse(document.bytes); });
    }
    XML_ParserFree(parser);
    std::printf("%llu documents, %llu elements, %llu not well formed\n", counts.documents,
                counts.elements, counts.malformed);
    return 0;
}
