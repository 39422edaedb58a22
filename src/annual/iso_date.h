// SPDX-License-Identifier: MIT
// Calendar dates as payroll files and receipts write them, yyyy-mm-dd.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace isr {

struct IsoDate {
    int year;
    int month;  // 1 to 12
    int day;    // 1 to the month's last

    friend constexpr auto operator<=>(const IsoDate&, const IsoDate&) = default;
};

// Exactly four digits, "-", two, "-", two, naming a day of the Gregorian calendar ("2016-02-29"
// is one, "2015-02-29", "2016-2-1" and "2016-01-01T00:00:00" are not); nothing otherwise.
std::optional<IsoDate> ReadIsoDate(std::string_view text);

std::string IsoDateText(IsoDate date);

}  // namespace isr
