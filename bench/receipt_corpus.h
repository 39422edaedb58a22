// SPDX-License-Identifier: MIT
// Payroll receipts made up for the receipts benches: as large and as nested as real ones (seals
// and certificate included), half payroll 1.1 on CFDI 3.2 and half 1.2 on CFDI 3.3, every usual
// periodicity, with the ISR withheld as one of the two lawful methods gives it, or a little off.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace isr::bench {

// Receipt number `index` of the set: the same text for the same index on every run.
std::string GeneratedReceipt(std::uint64_t index);

// Writes receipts 0 to count - 1 as files under `folder` (created; a folder inside for every
// thousand) and as one ZIP package at `zipPath`. Exits the program on a failed write.
void WriteReceiptSet(std::uint64_t count, const std::string& folder, const std::string& zipPath);

}  // namespace isr::bench
