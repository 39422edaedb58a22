// SPDX-License-Identifier: MIT
#include "annual/held_history.h"

#include <algorithm>
#include <functional>
#include <tuple>

namespace isr {

bool HeldHistory::Add(Payment payment) {
    // A name too long for the string's own room is allocated apart, with its terminator.
    const auto* inside = reinterpret_cast<const char*>(&payment.employee);
    const char* name = payment.employee.data();
    const std::less<const char*> before;
    const bool apart = before(name, inside) || !before(name, inside + sizeof(std::string));
    const std::size_t bytes = kPaymentBytes + (apart ? payment.employee.capacity() + 1 : 0);
    if (bytes > mostBytes_ - heldBytes_) return false;
    heldBytes_ += bytes;
    held_.push_back(std::move(payment));
    return true;
}

void HeldHistory::Drain(const std::function<void(const Payment&)>& each) {
    std::sort(held_.begin(), held_.end(), [](const Payment& a, const Payment& b) {
        return std::tie(a.employee, a.year, a.sequence) < std::tie(b.employee, b.year, b.sequence);
    });
    for (const auto& payment : held_) each(payment);
}

}  // namespace isr
