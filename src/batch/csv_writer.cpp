// SPDX-License-Identifier: MIT
#include "batch/csv_writer.h"

#include <cstdint>
#include <cstring>

#include "batch/csv_characters.h"

namespace isr {

namespace {

bool NeedsQuotes(char c, char separator) {
    return kCsvSpecial[static_cast<unsigned char>(c)] || c == separator;
}

// Whether any of the eight bytes of `word` is `c` (the classic test for a zero byte, applied to
// word XOR c in every byte).
constexpr bool HasByte(std::uint64_t word, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ((x - kOnes) & ~x & kHighBits) != 0;
}

// Whether any of eight bytes would need the field quoted.
constexpr bool WordNeedsQuotes(std::uint64_t word, char separator) {
    return HasByte(word, ',') || HasByte(word, '"') || HasByte(word, '\n') || HasByte(word, '\r') ||
           HasByte(word, separator);
}

// Copies `text` to `p` as long as no character needs quotes, eight bytes at a time while it can:
// a batch row writes a dozen fields, and most need none. Returns where the copy stopped, at
// text.size() when it went through.
std::size_t CopyUnquoted(std::string_view text, char* p, char separator) {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if (WordNeedsQuotes(word, separator)) return i;
        std::memcpy(p + i, &word, sizeof word);
    }
    for (; i < text.size(); ++i) {
        if (NeedsQuotes(text[i], separator)) return i;
        p[i] = text[i];
    }
    return i;
}

// Copies `text` to `p` with every quote doubled, eight bytes at a time where no quote is; returns
// the end of the copy.
char* CopyDoublingQuotes(std::string_view text, char* p) {
    const auto copyByte = [&p](char c) {
        if (c == '"') *p++ = '"';
        *p++ = c;
    };
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if (HasByte(word, '"')) {
            for (std::size_t k = 0; k < 8; ++k) copyByte(text[i + k]);
        } else {
            std::memcpy(p, &word, sizeof word);
            p += sizeof word;
        }
    }
    for (; i < text.size(); ++i) copyByte(text[i]);
    return p;
}

}  // namespace

void CsvRecordWriter::Field(std::string_view text) {
    char* const start = out_.Room(2 * text.size() + 3);  // separator, quotes, quotes doubled
    char* p = start;
    if (!firstField_) *p++ = separator_;
    firstField_ = false;
    if (CopyUnquoted(text, p, separator_) == text.size()) {
        p += text.size();
    } else {
        *p++ = '"';
        p = CopyDoublingQuotes(text, p);
        *p++ = '"';
    }
    out_.Commit(static_cast<std::size_t>(p - start));
}

void CsvRecordWriter::AmountField(const AmountText& amount) {
    const std::string_view text = amount.View();
    char* const start = out_.Room(text.size() + 3);
    char* p = start;
    if (!firstField_) *p++ = separator_;
    firstField_ = false;
    if (amount.Grouped()) *p++ = '"';
    CopyFieldBytes(p, text.data(), text.size());
    p += text.size();
    if (amount.Grouped()) *p++ = '"';
    out_.Commit(static_cast<std::size_t>(p - start));
}

void CsvRecordWriter::EndRecord() {
    out_.Append(lineEnd_.data(), lineEnd_.size());
    firstField_ = true;
}

}  // namespace isr
