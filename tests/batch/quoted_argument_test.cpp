// SPDX-License-Identifier: MIT
#include "batch/quoted_argument.h"

#include <gtest/gtest.h>

#include <string>

namespace isr {
namespace {

TEST(QuotedArgument, ShowsAnyBytesAsOneShortLineOfUtf8) {
    const std::string forty(40, 'x');
    struct Case {
        std::string_view name;
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"empty", "", R"("")"},
        {"plain", "12a", R"("12a")"},
        {"quote and backslash", R"(a"b\c)", R"("a\"b\\c")"},
        {"accented letters stay", "quincenal año", "\"quincenal año\""},
        {"four-byte letter stays", "\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},
        {"escape sequence", "\x1b[31mrojo", R"("\x1b[31mrojo")"},
        {"newline, tab, DEL", "a\nb\tc\x7f", R"("a\x0ab\x09c\x7f")"},
        {"stray bytes", "\xff\xfe", R"("\xff\xfe")"},
        {"cut sequence", "1\xc3", R"("1\xc3")"},
        {"overlong slash", "\xc0\xaf", R"("\xc0\xaf")"},
        {"surrogate", "\xed\xa0\x80", R"("\xed\xa0\x80")"},
        {"past U+10FFFF", "\xf4\x90\x80\x80", R"("\xf4\x90\x80\x80")"},
        {"U+10FFFF, the last code point, stays", "\xf4\x8f\xbf\xbf", "\"\xf4\x8f\xbf\xbf\""},
        {"U+0800 and U+10000, the first of their lengths, stay", "\xe0\xa0\x80\xf0\x90\x80\x80",
         "\"\xe0\xa0\x80\xf0\x90\x80\x80\""},
        {"overlong U+07FF and U+FFFF", "\xe0\x9f\xbf\xf0\x8f\xbf\xbf",
         R"("\xe0\x9f\xbf\xf0\x8f\xbf\xbf")"},
        {"C1 control",
         "\xc2\x9b"
         "2J",
         R"("\xc2\x9b2J")"},
        {"no-break space stays", "5\xc2\xa0", "\"5\xc2\xa0\""},
        {"right-to-left override", "1\u202e00", R"("1\xe2\x80\xae00")"},
        {"the other embeddings and overrides", "\u202a\u202b\u202c\u202d",
         R"("\xe2\x80\xaa\xe2\x80\xab\xe2\x80\xac\xe2\x80\xad")"},
        {"isolates", "\u2066\u2067\u2068\u2069",
         R"("\xe2\x81\xa6\xe2\x81\xa7\xe2\x81\xa8\xe2\x81\xa9")"},
        {"marks: left-to-right, right-to-left, Arabic letter", "\u200e\u200f\u061c",
         R"("\xe2\x80\x8e\xe2\x80\x8f\xd8\x9c")"},
        {"byte order mark inside", "12\ufeff3", R"("12\xef\xbb\xbf3")"},
        {"their neighbours stay: zero-width joiner, U+2070, U+FEFE", "\u200d\u2070\ufefe",
         "\"\u200d\u2070\ufefe\""},
        {"forty characters fit", forty, '"' + forty + '"'},
        {"longer is cut", forty + "yz", '"' + forty + "…\""},
        {"cut counts letters, not bytes", std::string(39, 'x') + "ñañ",
         '"' + std::string(39, 'x') + "ñ…\""},
        {"an escape counts as one", std::string(39, 'x') + "\xff\xff",
         '"' + std::string(39, 'x') + "\\xff…\""},
    };
    for (const auto& c : cases) EXPECT_EQ(QuotedArgument(c.text), c.shown) << c.name;
}

}  // namespace
}  // namespace isr
