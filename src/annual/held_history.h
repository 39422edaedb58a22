// SPDX-License-Identifier: MIT
// The payments of a history grouped by employee and year in memory, up to a stated bound: where
// there is no disk to sort on (the page), a history is grouped whole or refused, never held
// without limit. The order is the command line's: employee (bytewise), then year, then sequence.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "annual/employee_year.h"

namespace isr {

class HeldHistory {
  public:
    struct Payment {
        std::string employee;
        int year;
        std::uint64_t sequence;              // the input line: the order within a year
        std::optional<YearPayment> payment;  // nothing for a row of the year that was not read
    };

    // What a payment takes when its employee's name fits in the string itself; longer names
    // count their length too.
    static constexpr std::size_t kPaymentBytes = sizeof(Payment);

    explicit HeldHistory(std::size_t mostBytes) : mostBytes_(mostBytes) {}

    // False, holding nothing more, once the payments would take more than the bound.
    bool Add(Payment payment);
    // Every payment added, in order.
    void Drain(const std::function<void(const Payment&)>& each);
    std::size_t MostBytes() const { return mostBytes_; }

  private:
    std::size_t mostBytes_;
    std::size_t heldBytes_ = 0;
    // A deque grows in blocks: no copy of everything held, which would need twice the bound.
    std::deque<Payment> held_;
};

}  // namespace isr
