// SPDX-License-Identifier: MIT
#include "cli/csv_writer.h"

#include <algorithm>
#include <array>

namespace isr::cli {

namespace {

// The characters that make a field need quotes, as a table: the writer tests every character.
constexpr auto kNeedsQuotes = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {',', '"', '\n', '\r'}) table[c] = true;
    return table;
}();

bool NeedsQuotes(char c) {
    return kNeedsQuotes[static_cast<unsigned char>(c)];
}

}  // namespace

void CsvRecordWriter::Grow(std::size_t bytes) {
    out_.resize(std::max(2 * out_.size(), used_ + bytes + 4096));
}

void CsvRecordWriter::Field(std::string_view text) {
    char* const start = Room(2 * text.size() + 3);  // separator, quotes, every quote doubled
    char* p = start;
    if (!firstField_) *p++ = ',';
    firstField_ = false;
    char* const fieldStart = p;
    bool quoted = false;
    for (const char c : text) {
        if (NeedsQuotes(c)) {
            quoted = true;
            break;
        }
        *p++ = c;
    }
    if (quoted) {
        p = fieldStart;
        *p++ = '"';
        for (const char c : text) {
            if (c == '"') *p++ = '"';
            *p++ = c;
        }
        *p++ = '"';
    }
    used_ += static_cast<std::size_t>(p - start);
}

void CsvRecordWriter::EndRecord() {
    char* const p = Room(lineEnd_.size());
    std::copy(lineEnd_.begin(), lineEnd_.end(), p);
    used_ += lineEnd_.size();
    firstField_ = true;
}

}  // namespace isr::cli
