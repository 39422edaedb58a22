// SPDX-License-Identifier: MIT
// What a receipt reader refuses, and the words its row says it with, the same whichever parser
// reads (expat on the command line, the browser's on the page): a report is the same bytes from
// either.
#pragma once

#include <cstddef>
#include <string_view>

namespace isr {

// Larger than any real receipt by far (one is a few KiB).
inline constexpr std::size_t kLargestReceipt = 4 * 1024 * 1024;
inline constexpr std::string_view kTooLarge = "pasa de 4 MiB: no es un recibo";

// Deeper nesting than any CFDI has (about eight levels).
inline constexpr std::size_t kDeepestNesting = 64;
inline constexpr std::string_view kTooDeep = "anida más de 64 elementos";

// A CFDI has no document type declaration, so one can only be there to declare entities.
inline constexpr std::string_view kDeclaresDoctype =
    "declara un tipo de documento (DOCTYPE), que un CFDI no tiene: no se lee";

}  // namespace isr
