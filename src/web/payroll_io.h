// SPDX-License-Identifier: MIT
// What a run of the payroll card says to its script (payroll.js) in the worker: the file in
// slices, the results a piece at a time, the rows done, the summary and the outcome.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "batch/byte_buffer.h"
#include "batch/byte_source.h"

namespace isr::web {

// The file the user chose, as payroll.js reads it.
class FileSlices final : public ByteSource {
  public:
    std::size_t Read(char* into, std::size_t size) override;
    bool Failed() const override { return failed_; }

  private:
    bool failed_ = false;
};

// What one read asks for: large enough that the slices cost little, small beside the heap.
inline constexpr std::size_t kSliceBytes = std::size_t{1} << 20;

void SendOutput(const ByteBuffer& bytes);
void SendProgress(std::uint64_t rows);
void SendCounts(std::uint64_t rows, std::uint64_t badRows);
// What the figures after the counts are, for a screen reader; then each with its caption.
void SendTotalsLabel(std::string_view label);
void SendTotal(std::string_view caption, std::string_view text);
void SendMessage(std::string_view text);
// The run's end: `outcome` is shown; only a finished run has results.
void SendDone(std::string_view outcome, bool finished);

// "12,345": the count grouped as every amount is, without its cents.
std::string CountText(std::uint64_t count);

}  // namespace isr::web
