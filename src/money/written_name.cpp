// SPDX-License-Identifier: MIT
#include "money/written_name.h"

#include "money/text_helpers.h"

namespace isr {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool SeparatesWords(char c) {
    return IsBlank(c) || c == '_' || c == '-';
}

// The plain vowel of a UTF-8 accented vowel's second byte after 0xC3 (lower or upper case), or 0.
char PlainVowel(unsigned char second) {
    const unsigned char lower = second >= 0xA0 ? second : static_cast<unsigned char>(second + 0x20);
    if (lower >= 0xA0 && lower <= 0xA5) return 'a';
    if (lower >= 0xA8 && lower <= 0xAB) return 'e';
    if (lower >= 0xAC && lower <= 0xAF) return 'i';
    if (lower >= 0xB2 && lower <= 0xB6) return 'o';
    if (lower >= 0xB9 && lower <= 0xBC) return 'u';
    return 0;
}

// Hands out a written name's characters folded: lower case, plain vowels, and one ' ' for each
// run of word marks between words.
class FoldedName {
  public:
    explicit FoldedName(std::string_view text) : text_(TrimWordMarks(text)) {}

    bool AtEnd() const { return pos_ == text_.size(); }

    char Next() {
        const char c = text_[pos_++];
        if (SeparatesWords(c)) {
            while (SeparatesWords(text_[pos_])) ++pos_;  // the text ends in no word mark
            return ' ';
        }
        if (static_cast<unsigned char>(c) == 0xC3 && pos_ < text_.size()) {
            if (const char vowel = PlainVowel(static_cast<unsigned char>(text_[pos_]))) {
                ++pos_;
                return vowel;
            }
        }
        return LowerAscii(c);
    }

  private:
    static std::string_view TrimWordMarks(std::string_view text) {
        while (!text.empty() && SeparatesWords(text.front())) text.remove_prefix(1);
        while (!text.empty() && SeparatesWords(text.back())) text.remove_suffix(1);
        return text;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

bool SameWrittenName(std::string_view written, std::string_view name) {
    FoldedName a(written);
    FoldedName b(name);
    while (!a.AtEnd() && !b.AtEnd()) {
        if (a.Next() != b.Next()) return false;
    }
    return a.AtEnd() && b.AtEnd();
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace isr
