// SPDX-License-Identifier: MIT
#include "presentation/days_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "money/text_helpers.h"
#include "tariffs/days_tables.h"

namespace isr {

std::string DaysRangeText(DaysMethod method) {
    return method == DaysMethod::kTabla
               ? "un número entero de 1 a " + std::to_string(kMostTableDays)
               : "más de 0 y a lo sumo " +
                     std::to_string(kMostMensualThousandths / kThousandthsPerDay);
}

std::string NoDaysTableText(const TableSet& tables) {
    std::string text = "las tablas " + std::string(tables.Name()) + " sólo tienen las de ";
    for (std::size_t i = 0; i < kPeriodsOfDays.size(); ++i) {
        if (i > 0) text += i + 1 < kPeriodsOfDays.size() ? ", " : " y ";
        text += std::to_string(kPeriodsOfDays[i].days);
    }
    return text + " días";
}

std::optional<DaysPaid> ReadDaysPaid(std::string_view text) {
    constexpr std::int64_t kBeyond = kMostMensualThousandths + 1;
    std::int64_t whole = 0;
    std::int64_t thousandths = 0;
    int decimals = -1;  // -1 until the point
    bool digit = false;
    for (const char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9') {
            digit = true;
            if (decimals < 0) {
                whole = std::min<std::int64_t>(whole * 10 + (c - '0'), kBeyond);
            } else {
                if (++decimals > 3) return std::nullopt;
                thousandths = thousandths * 10 + (c - '0');
            }
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    for (int d = decimals < 0 ? 0 : decimals; d < 3; ++d) thousandths *= 10;
    const std::int64_t total = std::min(whole * kThousandthsPerDay + thousandths, kBeyond);
    return DaysPaid{static_cast<std::int32_t>(total)};
}

std::optional<DaysMethod> FindDaysMethod(std::string_view name) {
    for (const DaysMethod method : {DaysMethod::kTabla, DaysMethod::kMensual}) {
        if (EqualsIgnoringAsciiCase(name, DaysMethodName(method))) return method;
    }
    return std::nullopt;
}

}  // namespace isr
