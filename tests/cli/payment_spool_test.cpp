// SPDX-License-Identifier: MIT
#include "cli/payment_spool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace isr::cli {
namespace {

// Payments of a few employees and years in a scrambled order, each with figures of its own.
std::vector<SpooledPayment> Scrambled(std::size_t count) {
    std::vector<SpooledPayment> payments;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t k = i * 7919 % count;  // a permutation: 7919 is prime to every count here
        const auto cents = [&](std::int64_t n) { return *Cents::FromCount(n); };
        std::optional<YearPayment> payment;
        if (k % 11 != 0) {
            payment = YearPayment{IsoDate{2016, static_cast<int>(k % 12) + 1, 28},
                                  k % 3 == 0 ? std::nullopt : std::optional(IsoDate{2015, 12, 1}),
                                  IsoDate{2016, 12, static_cast<int>(k % 31) + 1},
                                  cents(static_cast<std::int64_t>(k) * 101),
                                  cents(static_cast<std::int64_t>(k)),
                                  cents(static_cast<std::int64_t>(k) * 7),
                                  cents(static_cast<std::int64_t>(k) % 40'000)};
        }
        payments.push_back({"E" + std::to_string(k % 13) + std::string(k % 5, 'x'),
                            2014 + static_cast<int>(k % 4), k, payment});
    }
    return payments;
}

bool Same(const SpooledPayment& a, const SpooledPayment& b) {
    const auto figures = [](const std::optional<YearPayment>& p) {
        return p ? std::tuple(true, p->paid, p->periodStart, p->periodEnd, p->taxable, p->exempt,
                              p->withheld, p->subsidy)
                 : std::tuple(false, IsoDate{}, std::optional<IsoDate>(), std::optional<IsoDate>(),
                              Cents(), Cents(), Cents(), Cents());
    };
    return a.employee == b.employee && a.year == b.year && a.sequence == b.sequence &&
           figures(a.payment) == figures(b.payment);
}

struct SpoolCase {
    std::string name;
    std::size_t payments;
    std::size_t runBytes;
    std::size_t fanIn;
    bool toDisk;
};

// However the payments are split into runs and the runs merged, they come back whole, grouped by
// employee and year, in input order within a year.
TEST(PaymentSpool, GivesBackEveryPaymentByEmployeeYearAndSequence) {
    const SpoolCase cases[] = {
        {"all in memory", 500, PaymentSpool::kRunBytes, PaymentSpool::kFanIn, false},
        {"nothing at all", 0, 1, 2, false},
        {"a run per payment, merged two at a time", 200, 1, 2, true},
        {"runs of a few, merged in one pass", 1000, 4096, 64, true},
        {"runs of a few, merged in three passes", 1000, 1024, 3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto payments = Scrambled(c.payments);
        PaymentSpool spool(c.runBytes, c.fanIn);
        for (const auto& p : payments) ASSERT_TRUE(spool.Add(p));
        EXPECT_EQ(spool.RunsWritten() > 0, c.toDisk);
        std::vector<SpooledPayment> drained;
        ASSERT_TRUE(spool.Drain([&](const SpooledPayment& p) {
            drained.push_back(p);
            return true;
        }));
        auto expected = payments;
        std::sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
            return std::tie(a.employee, a.year, a.sequence) <
                   std::tie(b.employee, b.year, b.sequence);
        });
        ASSERT_EQ(drained.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_TRUE(Same(drained[i], expected[i])) << "at " << i;
        }
    }
}

// TMPDIR set for a test's length, as it was after.
class TemporaryDirectoryNamed {
  public:
    explicit TemporaryDirectoryNamed(const char* dir) {
        if (const char* saved = std::getenv("TMPDIR")) saved_ = saved;
        setenv("TMPDIR", dir, 1);
    }
    ~TemporaryDirectoryNamed() {
        if (saved_) {
            setenv("TMPDIR", saved_->c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
    }

  private:
    std::optional<std::string> saved_;
};

TEST(PaymentSpool, SaysWhenItsTemporaryFilesCannotBeMade) {
    const TemporaryDirectoryNamed missing("/nonexistent-isr2016-dir");
    PaymentSpool spool(1, 2);
    EXPECT_FALSE(spool.Add(Scrambled(1).front()));
    EXPECT_EQ(spool.Error(), ENOENT);
    EXPECT_FALSE(spool.Drain([](const SpooledPayment&) { return true; }));
}

}  // namespace
}  // namespace isr::cli
