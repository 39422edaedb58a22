// SPDX-License-Identifier: MIT
// The least a payroll row can cost, to measure the batch against: read the period, the income
// and the subsidy sum of each record, pick the tariff and subsidy rows and format the nine boxes,
// on one thread, with none of the batch's care: no unquoting, no quoting, no checks (a field is
// the text up to the next comma, or between a quote and the next quote), no messages, no
// bounds. Each input line is copied out whole, followed by the nine boxes and an empty error, so
// that the output is about as long as the batch's. Called as the command line is, so that
// bench/ab.sh can run either:
//
//   bench_batch_floor --csv INPUT OUTPUT
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/box_text.h"
#include "calc/withholding.h"
#include "money/amount_text.h"
#include "money/text_helpers.h"
#include "tariffs/periods.h"
#include "tariffs/table_sets.h"

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

// The field that starts at `p`, and where the next one starts.
std::string_view NextField(const char*& p, const char* end) {
    if (p != end && *p == '"') {
        const char* const begin = p + 1;
        const char* close = static_cast<const char*>(std::memchr(begin, '"', end - begin));
        if (!close) close = end;
        p = close == end ? end : close + 1;
        if (p != end) ++p;  // the comma
        return {begin, static_cast<std::size_t>(close - begin)};
    }
    const char* const begin = p;
    while (p != end && *p != ',') ++p;
    const std::string_view field(begin, static_cast<std::size_t>(p - begin));
    if (p != end) ++p;
    return field;
}

struct Columns {
    std::size_t period = 0;
    std::size_t income = 0;
    std::size_t subsidySum = static_cast<std::size_t>(-1);  // none
};

Columns FindColumns(std::string_view header) {
    Columns columns;
    const char* p = header.data();
    const char* const end = p + header.size();
    for (std::size_t i = 0; p != end; ++i) {
        const auto name = NextField(p, end);
        if (isr::EqualsIgnoringAsciiCase(name, "periodo")) columns.period = i;
        if (isr::EqualsIgnoringAsciiCase(name, "ingreso_gravable")) columns.income = i;
        if (isr::EqualsIgnoringAsciiCase(name, "suma_subsidio")) columns.subsidySum = i;
    }
    return columns;
}

void WriteRow(const isr::TableSet& tables, const Columns& columns, std::string_view line,
              std::string& out) {
    std::string_view period;
    std::string_view income;
    std::string_view subsidySum;
    const char* p = line.data();
    const char* const end = p + line.size();
    for (std::size_t i = 0; p != end; ++i) {
        const auto field = NextField(p, end);
        if (i == columns.period) period = field;
        if (i == columns.income) income = field;
        if (i == columns.subsidySum) subsidySum = field;
    }
    out.append(line);
    const auto found = isr::FindPeriod(period);
    const auto base = isr::ReadAmount(income).cents;
    const auto sum = subsidySum.empty() ? isr::Cents{} : isr::ReadAmount(subsidySum).cents;
    const auto withholding =
        isr::Calculate(tables, found.value_or(isr::Period::kMensual), base, sum);
    for (const auto box : isr::kResultBoxes) {
        const auto text = isr::BoxText(withholding, box);
        out += ',';
        if (text.Grouped()) out += '"';
        out.append(text.View());
        if (text.Grouped()) out += '"';
    }
    out += ",\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || std::string_view(argv[1]) != "--csv") {
        std::fprintf(stderr, "usage: bench_batch_floor --csv INPUT OUTPUT\n");
        return 2;
    }
    const int in = open(argv[2], O_RDONLY);
    const int out = open(argv[3], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0) {
        std::perror("bench_batch_floor");
        return 2;
    }
    const auto& tables = isr::DefaultTableSet();
    std::vector<char> block(kBlockBytes);
    std::string pending;  // a line cut by the end of a block
    std::string written;
    written.reserve(2 * kBlockBytes);
    bool header = true;
    Columns columns;
    for (;;) {
        const auto got = read(in, block.data(), block.size());
        if (got <= 0) break;
        const char* p = block.data();
        const char* const end = p + got;
        for (;;) {
            const char* const lineEnd =
                static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            if (!lineEnd) break;
            std::string_view line(p, static_cast<std::size_t>(lineEnd - p));
            if (!pending.empty()) {
                pending.append(line);
                line = pending;
            }
            if (header) {
                columns = FindColumns(line);
                written.append(line);
                written.append(",boxes\n");
                header = false;
            } else {
                WriteRow(tables, columns, line, written);
            }
            pending.clear();
            p = lineEnd + 1;
        }
        pending.append(p, end);
        if (written.size() >= kBlockBytes) {
            if (write(out, written.data(), written.size()) < 0) return 2;
            written.clear();
        }
    }
    if (!written.empty() && write(out, written.data(), written.size()) < 0) return 2;
    return 0;
}
