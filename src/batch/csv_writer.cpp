// SPDX-License-Identifier: MIT
#include "batch/csv_writer.h"

#include <cstdint>
#include <cstring>

namespace isr {

namespace {

// Whether any of the eight bytes of `word` is `c` (the classic test for a zero byte, applied to
// word XOR c in every byte).
constexpr bool HasByte(std::uint64_t word, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ((x - kOnes) & ~x & kHighBits) != 0;
}

// Whether any of eight bytes would need the field quoted: a comma is quoted whatever the file's
// separator, as a grouped amount is, so that a file read with either separator keeps its fields.
constexpr bool WordNeedsQuotes(std::uint64_t word, char separator) {
    return HasByte(word, ',') || HasByte(word, '"') || HasByte(word, '\n') || HasByte(word, '\r') ||
           HasByte(word, separator);
}

template <class Word>
std::uint64_t Load(const char* from) {
    Word word;
    std::memcpy(&word, from, sizeof word);
    return word;
}

// Whether any byte of `text` needs the field quoted: a batch row writes a dozen fields, most of a
// few bytes and needing none. The bytes are tested eight at a time, in words that overlap rather
// than byte by byte at the end: a short text is read as two halves that may overlap, or, below
// four bytes, as its first, middle and last bytes (the other bytes of the word zero, which needs
// no quotes; a separator is never a zero byte).
bool NeedsQuoting(std::string_view text, char separator) {
    const char* const p = text.data();
    const std::size_t n = text.size();
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            if (WordNeedsQuotes(Load<std::uint64_t>(p + i), separator)) return true;
        }
        return WordNeedsQuotes(Load<std::uint64_t>(p + n - 8), separator);
    }
    if (n >= 4) {
        return WordNeedsQuotes(Load<std::uint32_t>(p) | Load<std::uint32_t>(p + n - 4) << 32,
                               separator);
    }
    if (n == 0) return false;
    return WordNeedsQuotes(Load<std::uint8_t>(p) | Load<std::uint8_t>(p + n / 2) << 8 |
                               Load<std::uint8_t>(p + n - 1) << 16,
                           separator);
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
    if (i < text.size() && text.size() >= 8) {
        // The last word, overlapping the one before: without a quote, its bytes already copied
        // lie just before `p` as they were, and it is copied over them whole.
        std::uint64_t word;
        std::memcpy(&word, text.data() + text.size() - 8, sizeof word);
        if (!HasByte(word, '"')) {
            const std::size_t rest = text.size() - i;
            std::memcpy(p + rest - 8, &word, sizeof word);
            return p + rest;
        }
    }
    for (; i < text.size(); ++i) copyByte(text[i]);
    return p;
}

}  // namespace

char* PutField(char* p, std::string_view text, char separator) {
    if (!NeedsQuoting(text, separator)) return PutUnquotedField(p, text);
    *p++ = '"';
    p = CopyDoublingQuotes(text, p);
    *p++ = '"';
    return p;
}

void CsvRecordWriter::Field(std::string_view text) {
    char* const start = out_.Room(2 * text.size() + 3);  // separator, quotes, quotes doubled
    char* p = start;
    if (!firstField_) *p++ = separator_;
    firstField_ = false;
    out_.Commit(static_cast<std::size_t>(PutField(p, text, separator_) - start));
}

}  // namespace isr
