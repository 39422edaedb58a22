// SPDX-License-Identifier: MIT
#include "annual/iso_date.h"

#include <array>

namespace isr {

namespace {

bool LeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// The digits of text[from, from + count) as a number; -1 when any is not a digit.
int Digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

void AppendDigits(std::string& out, int value, int count) {
    std::string digits(static_cast<std::size_t>(count), '0');
    for (int i = count - 1; i >= 0; --i, value /= 10) {
        digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    }
    out += digits;
}

}  // namespace

std::optional<IsoDate> ReadIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const IsoDate date{Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2)};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1) return std::nullopt;
    if (date.day > DaysInMonth(date.year, date.month)) return std::nullopt;
    return date;
}

std::string IsoDateText(IsoDate date) {
    std::string text;
    AppendDigits(text, date.year, 4);
    text += '-';
    AppendDigits(text, date.month, 2);
    text += '-';
    AppendDigits(text, date.day, 2);
    return text;
}

}  // namespace isr
