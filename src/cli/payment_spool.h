// SPDX-License-Identifier: MIT
// The payments of a history grouped by employee and year in bounded memory: an external sort.
// Payments are held until they fill a run of a fixed size, which is sorted and written to a
// temporary file; at the end the runs are merged, at most kFanIn at a time (runs of runs when
// there are more), and handed back in order. A history that fits in one run never touches the
// disk. The temporary files have no name once opened: nothing is left behind, however the run
// ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "annual/employee_year.h"

namespace isr::cli {

struct SpooledPayment {
    std::string employee;
    int year;
    std::uint64_t sequence;  // the input line, or the receipt's place: the order within a year
    std::optional<YearPayment> payment;  // nothing for a row of the year that could not be read
};

class PaymentSpool {
  public:
    static constexpr std::size_t kRunBytes = std::size_t{8} << 20;
    static constexpr std::size_t kFanIn = 32;

    explicit PaymentSpool(std::size_t runBytes = kRunBytes, std::size_t fanIn = kFanIn)
        : runBytes_(runBytes), fanIn_(fanIn) {}
    ~PaymentSpool();
    PaymentSpool(const PaymentSpool&) = delete;
    PaymentSpool& operator=(const PaymentSpool&) = delete;

    // False, with Error() set, when a run could not be written.
    bool Add(SpooledPayment payment);
    // Every payment added, by employee (bytewise), then year, then sequence. Stops when `each`
    // returns false. False, with Error() set, when a temporary file failed.
    bool Drain(const std::function<bool(const SpooledPayment&)>& each);
    // The errno of what failed.
    int Error() const { return error_; }
    // How many runs went to the disk so far.
    std::size_t RunsWritten() const { return runsWritten_; }

  private:
    bool Fail(int error);
    std::FILE* NewTemporary();
    bool WriteRun();
    bool Merge(std::vector<std::FILE*>& from,
               const std::function<bool(const SpooledPayment&)>& each);

    std::size_t runBytes_;
    std::size_t fanIn_;
    std::vector<SpooledPayment> held_;
    std::size_t heldBytes_ = 0;
    std::vector<std::FILE*> runs_;
    std::size_t runsWritten_ = 0;
    int error_ = 0;
};

}  // namespace isr::cli
