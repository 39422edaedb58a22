// SPDX-License-Identifier: MIT
#include "cli/payment_spool.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <queue>
#include <tuple>

namespace isr::cli {

namespace {

bool Before(const SpooledPayment& a, const SpooledPayment& b) {
    return std::tie(a.employee, a.year, a.sequence) < std::tie(b.employee, b.year, b.sequence);
}

// Dates as yyyymmdd; 0 for none.
std::int32_t DateNumber(const std::optional<IsoDate>& date) {
    return date ? date->year * 10'000 + date->month * 100 + date->day : 0;
}
std::optional<IsoDate> DateOfNumber(std::int32_t n) {
    if (n == 0) return std::nullopt;
    return IsoDate{n / 10'000, n / 100 % 100, n % 100};
}

// A record: employee's length and bytes, year, sequence, whether it has a payment, and then the
// payment's dates and its four amounts in cents.
template <class T>
void Put(std::string& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

bool WriteRecord(std::FILE* file, const SpooledPayment& p, std::string& scratch) {
    scratch.clear();
    Put(scratch, static_cast<std::uint32_t>(p.employee.size()));
    scratch += p.employee;
    Put(scratch, static_cast<std::int32_t>(p.year));
    Put(scratch, p.sequence);
    Put(scratch, static_cast<std::uint8_t>(p.payment.has_value()));
    if (p.payment) {
        const YearPayment& y = *p.payment;
        Put(scratch, DateNumber(y.paid));
        Put(scratch, DateNumber(y.periodStart));
        Put(scratch, DateNumber(y.periodEnd));
        for (const Cents c : {y.taxable, y.exempt, y.withheld, y.subsidy}) Put(scratch, c.Count());
    }
    return std::fwrite(scratch.data(), 1, scratch.size(), file) == scratch.size();
}

template <class T>
bool Get(std::FILE* file, T& value) {
    return std::fread(&value, sizeof value, 1, file) == 1;
}

enum class Read : std::uint8_t { kRecord, kEnd, kFailed };

Read ReadRecord(std::FILE* file, SpooledPayment& p) {
    std::uint32_t length = 0;
    if (!Get(file, length)) return std::ferror(file) ? Read::kFailed : Read::kEnd;
    p.employee.resize(length);
    std::int32_t year = 0;
    std::uint8_t hasPayment = 0;
    if (std::fread(p.employee.data(), 1, length, file) != length || !Get(file, year) ||
        !Get(file, p.sequence) || !Get(file, hasPayment)) {
        return Read::kFailed;
    }
    p.year = year;
    p.payment.reset();
    if (hasPayment == 0) return Read::kRecord;
    std::int32_t dates[3];
    std::int64_t counts[4];
    for (auto& d : dates) {
        if (!Get(file, d)) return Read::kFailed;
    }
    for (auto& c : counts) {
        if (!Get(file, c)) return Read::kFailed;
    }
    YearPayment y{
        *DateOfNumber(dates[0]), DateOfNumber(dates[1]), DateOfNumber(dates[2]), {}, {}, {}, {}};
    Cents* amounts[] = {&y.taxable, &y.exempt, &y.withheld, &y.subsidy};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto cents = Cents::FromCount(counts[i]);
        if (!cents) return Read::kFailed;
        *amounts[i] = *cents;
    }
    p.payment = y;
    return Read::kRecord;
}

std::size_t HeldBytes(const SpooledPayment& p) {
    return sizeof p + p.employee.capacity();
}

}  // namespace

PaymentSpool::~PaymentSpool() {
    for (std::FILE* run : runs_) std::fclose(run);
}

bool PaymentSpool::Fail(int error) {
    if (error_ == 0) error_ = error != 0 ? error : EIO;
    return false;
}

std::FILE* PaymentSpool::NewTemporary() {
    const char* dir = std::getenv("TMPDIR");
    std::string path = dir != nullptr && *dir != '\0' ? dir : "/tmp";
    path += "/isr2016-ejercicio-XXXXXX";
    const int descriptor = mkostemp(path.data(), O_CLOEXEC);
    if (descriptor < 0) {
        Fail(errno);
        return nullptr;
    }
    // Nameless from here on: closing it, or the program's end, frees it.
    unlink(path.c_str());
    std::FILE* file = fdopen(descriptor, "w+b");
    if (file == nullptr) {
        Fail(errno);
        close(descriptor);
    }
    return file;
}

bool PaymentSpool::Add(SpooledPayment payment) {
    if (error_ != 0) return false;
    heldBytes_ += HeldBytes(payment);
    held_.push_back(std::move(payment));
    if (heldBytes_ < runBytes_) return true;
    return WriteRun();
}

bool PaymentSpool::WriteRun() {
    std::sort(held_.begin(), held_.end(), Before);
    std::FILE* run = NewTemporary();
    if (run == nullptr) return false;
    runs_.push_back(run);
    std::string scratch;
    for (const auto& p : held_) {
        if (!WriteRecord(run, p, scratch)) return Fail(errno);
    }
    if (std::fflush(run) != 0) return Fail(errno);
    ++runsWritten_;
    held_.clear();
    held_.shrink_to_fit();
    heldBytes_ = 0;
    return true;
}

bool PaymentSpool::Merge(std::vector<std::FILE*>& from,
                         const std::function<bool(const SpooledPayment&)>& each) {
    struct Head {
        SpooledPayment payment;
        std::size_t source;
    };
    const auto after = [](const Head& a, const Head& b) { return Before(b.payment, a.payment); };
    std::priority_queue<Head, std::vector<Head>, decltype(after)> heads(after);
    const auto next = [&](std::size_t source) {
        Head head{{}, source};
        switch (ReadRecord(from[source], head.payment)) {
            case Read::kRecord:
                heads.push(std::move(head));
                return true;
            case Read::kEnd:
                return true;
            case Read::kFailed:
                break;
        }
        return Fail(errno);
    };
    for (std::size_t i = 0; i < from.size(); ++i) {
        std::rewind(from[i]);
        if (!next(i)) return false;
    }
    while (!heads.empty()) {
        Head head = heads.top();
        heads.pop();
        if (!each(head.payment)) return true;
        if (!next(head.source)) return false;
    }
    return true;
}

bool PaymentSpool::Drain(const std::function<bool(const SpooledPayment&)>& each) {
    if (error_ != 0) return false;
    if (runs_.empty()) {
        std::sort(held_.begin(), held_.end(), Before);
        for (const auto& p : held_) {
            if (!each(p)) break;
        }
        return true;
    }
    if (!held_.empty() && !WriteRun()) return false;
    // Runs of runs until one merge can take them all.
    while (runs_.size() > fanIn_) {
        std::vector<std::FILE*> group(runs_.begin(), runs_.begin() + static_cast<long>(fanIn_));
        runs_.erase(runs_.begin(), runs_.begin() + static_cast<long>(fanIn_));
        std::FILE* merged = NewTemporary();
        if (merged == nullptr) {
            for (std::FILE* run : group) std::fclose(run);
            return false;
        }
        runs_.push_back(merged);
        std::string scratch;
        bool written = true;
        const bool read = Merge(group, [&](const SpooledPayment& p) {
            written = WriteRecord(merged, p, scratch);
            return written;
        });
        for (std::FILE* run : group) std::fclose(run);
        if (!written) return Fail(errno);
        if (!read) return false;
        if (std::fflush(merged) != 0) return Fail(errno);
    }
    return Merge(runs_, each);
}

}  // namespace isr::cli
