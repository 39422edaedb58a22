// SPDX-License-Identifier: MIT
#include "clean_messages.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string_view>

namespace isr::test {

namespace {

bool IsValidUtf8(std::string text) {
    const iconv_t convert = iconv_open("UTF-32LE", "UTF-8");
    char* in = text.data();
    std::size_t inLeft = text.size();
    std::vector<char> buffer(4 * text.size() + 4);
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    const bool ok = iconv(convert, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(convert);
    return ok;
}

// Unicode's bidirectional controls, which reorder what follows them, and the byte order mark,
// which shows as nothing, in UTF-8.
constexpr std::string_view kInvisibleControls[] = {
    "\xD8\x9C",     "\xE2\x80\x8E", "\xE2\x80\x8F", "\xE2\x80\xAA", "\xE2\x80\xAB",
    "\xE2\x80\xAC", "\xE2\x80\xAD", "\xE2\x80\xAE", "\xE2\x81\xA6", "\xE2\x81\xA7",
    "\xE2\x81\xA8", "\xE2\x81\xA9", "\xEF\xBB\xBF"};

// What a terminal would act on instead of showing: C0 controls but the newline, DEL, C1 controls;
// and what would hide or reorder a message's text.
bool HasControlCharacters(std::string_view text) {
    for (const auto control : kInvisibleControls) {
        if (text.find(control) != std::string_view::npos) return true;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F) return true;
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start));  // unterminated
    return lines;
}

void ExpectCleanMessages(const std::string& err) {
    EXPECT_TRUE(err.empty() || err.ends_with('\n'));
    for (const auto& line : Lines(err)) EXPECT_LE(line.size(), kLongestMessageLine) << line;
    EXPECT_TRUE(IsValidUtf8(err)) << err;
    EXPECT_FALSE(HasControlCharacters(err)) << err;
}

}  // namespace isr::test
