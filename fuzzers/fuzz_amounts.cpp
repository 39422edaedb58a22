// SPDX-License-Identifier: MIT
// The amount functions on any byte string: IsNumeric and ParseAmount agree, every number they
// accept shows as "#,0.00" and reads back to the cents shown; the first 8 bytes, taken as a
// double, format the same way.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/amount.h"
#include "cents_oracle.h"
#include "entry/numeric_text.h"
#include "fuzz_check.h"

namespace isr::fuzz {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "#,0.00": an optional "-", one to three digits, groups of ",ddd", then ".dd"; never "-0.00".
bool HasDisplayPattern(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t lead = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == lead || i - lead > 3) return false;
    while (i < text.size() && text[i] == ',') {
        if (i + 3 >= text.size() || !IsDigit(text[i + 1]) || !IsDigit(text[i + 2]) ||
            !IsDigit(text[i + 3])) {
            return false;
        }
        i += 4;
    }
    if (text.size() != i + 3 || text[i] != '.' || !IsDigit(text[i + 1]) || !IsDigit(text[i + 2])) {
        return false;
    }
    return !(lead == 1 && text.find_first_of("123456789") == std::string_view::npos);
}

void CheckFormat(double x) {
    const std::string shown = FormatAmount(x);
    if (!HasDisplayPattern(shown)) Fail("FormatAmount(", x, ") = ", Shown(shown));
    if (!IsNumeric(shown)) Fail("FormatAmount(", x, ") = ", Shown(shown), " is not numeric");
    const double back = *ParseAmount(shown);

    if (std::isfinite(x) && std::fabs(x) < kCentsExactLimit) {
        const std::int64_t cents = ExpectedCents(x);
        if (back != static_cast<double>(cents) / 100.0) {
            Fail("FormatAmount(", x, ") = ", Shown(shown), ", expected ", cents, " cents");
        }
        return;
    }
    // Beyond the cents: the text is the value at 15 significant digits, stable from then on.
    if (std::isfinite(x) && std::fabs(back - x) > std::fabs(x) * 1e-14) {
        Fail("FormatAmount(", x, ") = ", Shown(shown), " is more than 15 digits off");
    }
    const std::string again = FormatAmount(back);
    if (again != shown) Fail("FormatAmount(", x, ") = ", Shown(shown), " then ", Shown(again));
}

void CheckText(std::string_view text) {
    const bool numeric = IsNumeric(text);
    const auto value = ParseAmount(text);
    if (numeric != value.has_value()) {
        Fail("IsNumeric and ParseAmount disagree on ", Shown(text), ": ", numeric);
    }
    if (value) CheckFormat(*value);
}

}  // namespace
}  // namespace isr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    isr::fuzz::CheckText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        isr::fuzz::CheckFormat(x);
    }
    return 0;
}
