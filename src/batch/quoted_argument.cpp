// SPDX-License-Identifier: MIT
#include "batch/quoted_argument.h"

#include <cstdint>

#include "money/text_helpers.h"

namespace isr {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Whether a code point is a bidirectional formatting control (Unicode's Bidi_Control), which
// reorders the text around it, or the byte order mark, which shows as nothing: either would hide
// what a field holds.
bool IsInvisibleControl(std::uint32_t code) {
    return code == 0x061C || code == 0x200E || code == 0x200F ||
           (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069) ||
           code == 0xFEFF;
}

// The length of the well-formed UTF-8 sequence of a code point from U+00A0 on that starts
// `text`, or 0. Overlong forms, surrogates and code points past U+10FFFF are not well formed, and
// the C1 controls (U+0080 to U+009F) act on terminals, so none of them counts; nor do the
// invisible controls above.
std::size_t LetterLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    std::uint32_t low = 0;  // smallest code point allowed for the length
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, low = 0xA0, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, low = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, low = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!IsContinuation(byte)) return 0;
        code = code << 6 | (byte & 0x3F);
    }
    if (code < low || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    if (IsInvisibleControl(code)) return 0;
    return length;
}

}  // namespace

std::string EscapedText(std::string_view text, std::size_t maxCharacters) {
    std::string out;
    std::size_t shown = 0;
    std::size_t i = 0;
    for (; i < text.size() && shown < maxCharacters; ++shown) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += text[i++];
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += text[i++];
        } else if (const std::size_t length = LetterLength(text.substr(i)); length > 0) {
            out += text.substr(i, length);
            i += length;
        } else {
            AppendHexEscape(out, byte);
            ++i;
        }
    }
    if (i < text.size()) out += "…";
    return out;
}

std::string QuotedArgument(std::string_view text, std::size_t maxCharacters) {
    return '"' + EscapedText(text, maxCharacters) + '"';
}

}  // namespace isr
