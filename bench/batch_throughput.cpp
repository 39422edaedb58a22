// SPDX-License-Identifier: MIT
// Batch throughput of the whole program: generates a payroll CSV, then times
// `isr2016-cli --csv FILE /dev/null` as a separate process several times and reports the median
// rows per second and the median peak resident memory of the child. With --runs 0 it only writes
// the payroll to --keep FILE, for bench/ab.sh.
//
//   bench_batch_throughput [--rows N] [--runs K] [--cli PATH] [--keep FILE]
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "child_timing.h"
#include "money/amount_text.h"
#include "tariffs/periods.h"

namespace {

using isr::kPeriodNames;
using isr::bench::Median;

constexpr std::array<std::string_view, 8> kNames = {
    "\"García López, María\"", "\"Hernández, José Luis\"",
    "\"Martínez Ruiz, Ana\"",  "\"Pérez, Juan\"",
    "Sánchez Sofía",           "\"Ramírez Díaz, Luis\"",
    "\"Torres, Guadalupe\"",   "Flores Carmen"};

// Cents as the entry field would take them: plain, grouped (then quoted, as CSV needs), or with
// fewer decimals.
void AppendAmount(std::string& out, std::uint64_t cents, unsigned style) {
    const auto whole = std::to_string(cents / 100);
    const auto fraction = cents % 100;
    switch (style % 10) {
        case 0:
        case 1:  // "12,345.67"
            out += '"';
            out += isr::AmountText(*isr::Cents::FromCount(static_cast<std::int64_t>(cents))).View();
            out += '"';
            break;
        case 2:  // "12345.6"
            out += whole + '.' + static_cast<char>('0' + fraction / 10);
            break;
        case 3:  // "12345"
            out += whole;
            break;
        default:  // "12345.67"
            out += whole + '.' + static_cast<char>('0' + fraction / 10) +
                   static_cast<char>('0' + fraction % 10);
    }
}

// All six periods; incomes from 0 to 300,000 spread evenly on a log scale, so that low and middle
// brackets dominate as in a real payroll; half of the annual rows carry a subsidy sum.
void Generate(const std::string& path, std::uint64_t rows) {
    std::mt19937_64 random(20160101);
    std::uniform_real_distribution<double> logIncome(std::log(50.0), std::log(300000.0));
    std::uniform_int_distribution<std::uint64_t> subsidyCents(0, 500000);
    std::ofstream file(path, std::ios::binary);
    std::string block = "numero_empleado,nombre,periodo,ingreso_gravable,suma_subsidio\n";
    for (std::uint64_t row = 1; row <= rows; ++row) {
        const auto r = random();
        const auto period = kPeriodNames[r % kPeriodNames.size()];
        const auto cents =
            r % 50 == 0 ? 0 : static_cast<std::uint64_t>(std::exp(logIncome(random)) * 100);
        block += std::to_string(row);
        block += ',';
        block += kNames[(r >> 8) % kNames.size()];
        block += ',';
        block += period;
        block += ',';
        AppendAmount(block, cents, static_cast<unsigned>(r >> 16));
        block += ',';
        if (period == "Anual" && (r >> 24) % 2 == 0) {
            AppendAmount(block, subsidyCents(random), static_cast<unsigned>(r >> 32));
        }
        block += '\n';
        if (block.size() > (1u << 20)) {
            file << block;
            block.clear();
        }
    }
    file << block;
    if (!file.flush()) {
        std::cerr << "cannot write " << path << '\n';
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t rows = 1'000'000;
    int runs = 7;
    std::string cli = ISR2016_CLI_PATH;
    std::string keep;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--rows") rows = std::strtoull(argv[i + 1], nullptr, 10);
        if (option == "--runs") runs = std::max(0, std::atoi(argv[i + 1]));
        if (option == "--cli") cli = argv[i + 1];
        if (option == "--keep") keep = argv[i + 1];
    }
    const std::string input =
        keep.empty() ? "/tmp/isr2016-batch-" + std::to_string(getpid()) + ".csv" : keep;
    if (runs == 0 && keep.empty()) {
        std::cerr << "--runs 0 only writes the payroll, to --keep FILE\n";
        return 2;
    }
    Generate(input, rows);
    if (runs == 0) return 0;

    std::vector<double> rates;
    std::vector<double> cpuRates;
    std::vector<double> peaksMiB;
    for (int i = 0; i < runs; ++i) {
        const auto run = isr::bench::TimeChild({cli, "--csv", input, "/dev/null"});
        if (run.status != 0) {
            std::cerr << "isr2016-cli exited with " << run.status << '\n';
            return 1;
        }
        rates.push_back(static_cast<double>(rows) / run.wallSeconds);
        cpuRates.push_back(static_cast<double>(rows) / run.cpuSeconds);
        peaksMiB.push_back(run.peakMiB);
        std::printf("run %d: %.3f s  %.0f rows/s  %.3f CPU s  peak RSS %.1f MiB\n", i + 1,
                    run.wallSeconds, rates.back(), run.cpuSeconds, peaksMiB.back());
    }
    if (keep.empty()) std::remove(input.c_str());

    // Rows per CPU second say what the program costs, whatever else the machine is running.
    std::printf("median rows per CPU second: %.0f\n", Median(cpuRates));
    const double rate = Median(rates);
    const double peak = Median(peaksMiB);
    std::printf(
        "median of %d runs, %llu rows: %.0f rows/s (goal >= 2,000,000: %s), peak RSS %.1f "
        "MiB (goal < 20: %s)\n",
        runs, static_cast<unsigned long long>(rows), rate, rate >= 2e6 ? "met" : "missed", peak,
        peak < 20 ? "met" : "missed");
    return 0;
}
