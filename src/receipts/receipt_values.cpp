// SPDX-License-Identifier: MIT
#include "receipts/receipt_values.h"

#include "money/amount_text.h"

namespace isr {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int TwoDigits(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

}  // namespace

std::string_view TrimmedValue(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::optional<Cents> ReceiptAmount(std::string_view text) {
    text = TrimmedValue(text);
    if (text.empty() || text.front() == '-' || text.find(',') != std::string_view::npos)
        return std::nullopt;
    const auto amount = ReadAmount(text);
    if (amount.kind != TypedAmount::Kind::kAmount) return std::nullopt;
    return amount.cents;
}

std::optional<DaysPaid> ReceiptDays(std::string_view text) {
    constexpr int kIntegerDigits = 5;
    constexpr int kDecimals = 3;
    text = TrimmedValue(text);
    const auto point = text.find('.');
    const auto whole = text.substr(0, point);
    const auto decimals =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() || whole.size() > kIntegerDigits || decimals.size() > kDecimals ||
        (point != std::string_view::npos && decimals.empty()))
        return std::nullopt;
    std::int32_t thousandths = 0;
    for (const char c : whole) {
        if (!IsDigit(c)) return std::nullopt;
        thousandths = thousandths * 10 + (c - '0');
    }
    for (std::size_t i = 0; i < kDecimals; ++i) {
        if (i < decimals.size() && !IsDigit(decimals[i])) return std::nullopt;
        thousandths = thousandths * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
    }
    if (thousandths == 0) return std::nullopt;
    return DaysPaid{thousandths};
}

bool IsReceiptDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!IsDigit(text[i])) return false;
    }
    const int month = TwoDigits(text, 5);
    const int day = TwoDigits(text, 8);
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

int ReceiptFigures::PaymentYear() const {
    return TwoDigits(paymentDate, 0) * 100 + TwoDigits(paymentDate, 2);
}

}  // namespace isr
