// SPDX-License-Identifier: MIT
#include "verify/days_sweep.h"

#include <gtest/gtest.h>

#include <vector>

#include "tariffs/anexo8_tables.h"
#include "tariffs/program_tables.h"

namespace isr::verify {
namespace {

TEST(PlanDaysJobs, EveryTableOfDaysOnlyWhereTheSetHasDailyTables) {
    const auto published = PlanDaysJobs(kAnexo8Tables);
    const auto program = PlanDaysJobs(kProgramTables);
    EXPECT_EQ(published.size(), program.size() + 31);
    EXPECT_EQ(DaysJobLabel(published.front()), "anexo8, tabla, 1 días");
    // 16 days: the top row starts a cent above 8,223.68 x 16; the range ends 10,000.00 above it.
    EXPECT_EQ(published[15].lastBaseCents, 822'368 * 16 + 1 + 1'000'000);
    for (const auto& job : program) EXPECT_EQ(job.method, DaysMethod::kMensual);
    EXPECT_EQ(DaysJobLabel(program.back()), "programa, mensual, 366 días");
}

// A program that is a cent off in one figure at one base is caught there and nowhere else.
TEST(DaysSweep, FindsAFigureOneCentOff) {
    const DaysJob job{&kAnexo8Tables, DaysMethod::kMensual, {15'200}, 200'000};
    const DaysCalculator faulty = [](const TableSet& tables, DaysMethod method, DaysPaid days,
                                     Cents base, DaysTexts& texts) {
        ProgramDaysPaid(tables, method, days, base, texts);
        if (base.Count() == 123'457) texts[10] += "1";
    };
    std::vector<DaysMismatch> found;
    const auto count = DaysSweep(
        job, 1, 2, faulty, [&](const DaysMismatch& m) { found.push_back(m); }, [](std::int64_t) {},
        std::chrono::milliseconds(1000));
    EXPECT_EQ(count.checked, 200'001);
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found[0].baseCents, 123'457);
    EXPECT_EQ(found[0].figure, "isr_periodo");
}

}  // namespace
}  // namespace isr::verify
