// SPDX-License-Identifier: MIT
#include "tariffs/row_fields.h"

namespace isr {

namespace {

// Cuts `fields.size()` fields at the "|" characters; the last field takes the rest of the row.
// A missing bar leaves the remaining fields empty.
template <std::size_t N>
std::array<std::string_view, N> Split(std::string_view row) {
    std::array<std::string_view, N> fields{};
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const auto bar = row.find('|');
        fields[i] = row.substr(0, bar);
        row = bar == std::string_view::npos ? std::string_view{} : row.substr(bar + 1);
    }
    fields[N - 1] = row;
    return fields;
}

}  // namespace

std::array<std::string_view, 4> SplitIsrRow(std::string_view row) {
    return Split<4>(row);
}

std::array<std::string_view, 3> SplitSubsidyRow(std::string_view row) {
    return Split<3>(row);
}

}  // namespace isr
