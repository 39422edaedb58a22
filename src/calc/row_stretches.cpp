// SPDX-License-Identifier: MIT
#include "calc/row_stretches.h"

#include <algorithm>
#include <array>
#include <span>

namespace isr {

namespace {

// A base where a row may begin: a row's lower limit, or the cent after its upper limit (where
// the next row begins, or no row at all).
template <class Row, class Add>
void AddRowStarts(std::span<const Row> table, Add add) {
    for (const Row& row : table) {
        add(row.lowerLimit);
        add(row.upperLimit + kOneCent);
    }
}

}  // namespace

std::vector<RowStretch> RowStretches(const TableSet& tables, Period period, Cents from, Cents to) {
    std::vector<RowStretch> stretches;
    if (to < from) return stretches;
    // Two starts a row in each of the two tables, whatever order or gaps the rows have.
    std::array<Cents, 4 * kRowsPerTable> starts{};
    std::size_t count = 0;
    const auto add = [&](Cents start) {
        if (from < start && start <= to) starts[count++] = start;
    };
    AddRowStarts<IsrRow>(tables.IsrTariff(period), add);
    AddRowStarts<SubsidyRow>(tables.SubsidyTable(period), add);
    std::sort(starts.begin(), starts.begin() + count);
    const auto end = std::unique(starts.begin(), starts.begin() + count);
    stretches.reserve(static_cast<std::size_t>(end - starts.begin()) + 1);
    Cents first = from;
    for (auto start = starts.begin(); start != end; ++start) {
        stretches.push_back({first, *start - kOneCent});
        first = *start;
    }
    stretches.push_back({first, to});
    return stretches;
}

}  // namespace isr
