// SPDX-License-Identifier: MIT
// The audit of receipts as a user runs it: generates a set of receipts (bench/receipt_corpus.h)
// as a folder and as a ZIP, then times `isr2016-cli --recibos SOURCE --salida /dev/null` and the
// floor (`bench_receipt_floor`, expat alone on the same files) as separate processes, in turns,
// and reports per source the medians of receipts per second, CPU seconds and peak resident
// memory, and the CPU ratio of the audit to the floor taken run by run.
//
//   bench_receipt_throughput [--receipts N] [--runs K] [--cli PATH] [--floor PATH] [--keep DIR]
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "child_timing.h"
#include "receipt_corpus.h"

namespace {

using isr::bench::Median;
using isr::bench::TimeChild;

struct Side {
    std::vector<double> rates;
    std::vector<double> cpu;
    std::vector<double> peaks;
};

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t receipts = 20'000;
    int runs = 7;
    std::string cli = ISR2016_CLI_PATH;
    std::string floor = RECEIPT_FLOOR_PATH;
    std::string keep;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--receipts") receipts = std::strtoull(argv[i + 1], nullptr, 10);
        if (option == "--runs") runs = std::max(0, std::atoi(argv[i + 1]));
        if (option == "--cli") cli = argv[i + 1];
        if (option == "--floor") floor = argv[i + 1];
        if (option == "--keep") keep = argv[i + 1];
    }
    const std::string root =
        keep.empty() ? "/tmp/isr2016-receipts-" + std::to_string(getpid()) : keep;
    const std::string folder = root + "/xml";
    const std::string zip = root + "/recibos.zip";
    if (!std::filesystem::exists(zip)) {
        std::filesystem::create_directories(folder);
        isr::bench::WriteReceiptSet(receipts, folder, zip);
    }

    for (const auto& source : {folder, zip}) {
        Side audit;
        Side bare;
        std::vector<double> ratios;
        // Once each first, so that both find the files in the page cache.
        TimeChild({cli, "--recibos", source, "--salida", "/dev/null"}, true);
        TimeChild({floor, "--recibos", source}, true);
        for (int i = 0; i < runs; ++i) {
            // Turns alternate which goes first, so that neither always meets the other's wake.
            isr::bench::ChildTiming a{};
            isr::bench::ChildTiming b{};
            if (i % 2 == 0) {
                a = TimeChild({cli, "--recibos", source, "--salida", "/dev/null"}, true);
                b = TimeChild({floor, "--recibos", source}, true);
            } else {
                b = TimeChild({floor, "--recibos", source}, true);
                a = TimeChild({cli, "--recibos", source, "--salida", "/dev/null"}, true);
            }
            // The generated set has receipts a cent off: the audit exits 1.
            if (a.status != 1 || b.status != 0) {
                std::fprintf(stderr, "unexpected exit: audit %d, floor %d\n", a.status, b.status);
                return 1;
            }
            const auto n = static_cast<double>(receipts);
            audit.rates.push_back(n / a.wallSeconds);
            audit.cpu.push_back(a.cpuSeconds);
            audit.peaks.push_back(a.peakMiB);
            bare.rates.push_back(n / b.wallSeconds);
            bare.cpu.push_back(b.cpuSeconds);
            bare.peaks.push_back(b.peakMiB);
            ratios.push_back(a.cpuSeconds / b.cpuSeconds);
            std::printf("%s run %d: audit %.3f s wall %.3f s CPU, floor %.3f s wall %.3f s CPU\n",
                        source == zip ? "zip" : "folder", i + 1, a.wallSeconds, a.cpuSeconds,
                        b.wallSeconds, b.cpuSeconds);
        }
        std::printf(
            "%s, %llu receipts, medians of %d runs:\n"
            "  audit: %.0f receipts/s (goal >= 30,000: %s), %.3f CPU s, %.0f receipts per CPU s, "
            "peak RSS %.1f MiB\n"
            "  floor: %.0f receipts/s, %.3f CPU s, peak RSS %.1f MiB\n"
            "  CPU audit/floor, run by run: %.2f (goal <= 1.5: %s)\n",
            source == zip ? "ZIP" : "folder", static_cast<unsigned long long>(receipts), runs,
            Median(audit.rates), Median(audit.rates) >= 30'000 ? "met" : "missed",
            Median(audit.cpu), static_cast<double>(receipts) / Median(audit.cpu),
            Median(audit.peaks), Median(bare.rates), Median(bare.cpu), Median(bare.peaks),
            Median(ratios), Median(ratios) <= 1.5 ? "met" : "missed");
    }
    if (keep.empty()) std::filesystem::remove_all(root);
    return 0;
}
