// SPDX-License-Identifier: MIT
#include "verify/year_sweep.h"

#include <algorithm>
#include <array>

#include "annual/annual_report.h"
#include "money/amount_text.h"
#include "oracle/exact_annual.h"
#include "oracle/rational_amount.h"

namespace isr::verify {

namespace {

// How far above the monthly subsidy table's last lower limit the pays go.
constexpr std::int64_t kRangeAboveLastRow = 1'000'000;  // 10,000.00

constexpr std::array<int, 12> kLastDay = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::int64_t CentsOf(const mpq_class& amount) {
    return mpz_class(amount * 100).get_si();
}

std::string Shown(const mpq_class& amount) {
    return oracle::ShownCents(amount);
}

// The year of a grid point: every month two payments, the first half of the pay and of the
// subsidies and then the rest, a tenth of the pay withheld from each.
std::vector<YearPayment> YearOf(std::int64_t pay, std::int64_t subsidy) {
    const auto cents = [](std::int64_t n) { return *Cents::FromCount(n); };
    std::vector<YearPayment> payments;
    for (int m = 1; m <= 12; ++m) {
        const std::int64_t first = pay / 2;
        const std::int64_t firstSubsidy = subsidy / 2;
        payments.push_back({IsoDate{2016, m, 15}, IsoDate{2016, m, 1}, IsoDate{2016, m, 15},
                            cents(first), Cents(), cents(first / 10), cents(firstSubsidy)});
        const IsoDate last{2016, m, kLastDay[static_cast<std::size_t>(m - 1)]};
        payments.push_back({last, IsoDate{2016, m, 16}, last, cents(pay - first), Cents(),
                            cents((pay - first) / 10), cents(subsidy - firstSubsidy)});
    }
    return payments;
}

}  // namespace

std::variant<AnnualCalculation, AnnualProblem> ProgramYear(
    const TableSet& tables, const std::vector<YearPayment>& payments) {
    EmployeeYear year(2016);
    for (const auto& payment : payments) year.Add(payment);
    return year.Calculate(tables);
}

std::int64_t YearGrid::Size() const {
    return static_cast<std::int64_t>(monthPays.size() * subsidies.size());
}

YearGrid PlanYearGrid(const TableSet& tables) {
    const oracle::ExactTables exact(tables.Text());
    const auto& rows = exact.Of(Period::kMensual).subsidy;
    YearGrid grid;
    const std::int64_t last = CentsOf(rows.back().lower) + kRangeAboveLastRow;
    for (std::int64_t pay = 0; pay <= last; ++pay) grid.monthPays.push_back(pay);
    // Nothing, a cent, each row's subsidy and a cent either side of it, and more than any.
    grid.subsidies = {0, 1};
    for (const auto& row : rows) {
        const std::int64_t subsidy = CentsOf(row.subsidy);
        for (const std::int64_t s : {subsidy - 1, subsidy, subsidy + 1}) {
            if (s > 1) grid.subsidies.push_back(s);
        }
    }
    grid.subsidies.push_back(CentsOf(rows.front().subsidy) * 3);
    std::sort(grid.subsidies.begin(), grid.subsidies.end());
    grid.subsidies.erase(std::unique(grid.subsidies.begin(), grid.subsidies.end()),
                         grid.subsidies.end());
    return grid;
}

SweepCount YearSweep(const TableSet& tables, const YearGrid& grid, std::int64_t stride,
                     unsigned threads, const YearCalculator& calculate,
                     const std::function<void(const YearMismatch&)>& onMismatch,
                     const std::function<void(std::int64_t checked)>& onProgress,
                     std::chrono::milliseconds progressEvery) {
    const oracle::ExactTables exact(tables.Text());
    const std::int64_t total = (grid.Size() + stride - 1) / stride;
    const auto subsidyCount = static_cast<std::int64_t>(grid.subsidies.size());
    const mpq_class mostCalculated = oracle::PlainDecimal("400000");
    SweepTally tally;
    const auto work = [&](std::int64_t chunk) {
        const std::int64_t first = chunk * kChunk;
        const std::int64_t end = std::min(total, first + kChunk);
        std::vector<YearMismatch> found;
        for (std::int64_t i = first; i < end; ++i) {
            const std::int64_t point = i * stride;
            const std::int64_t pay = grid.monthPays[static_cast<std::size_t>(point / subsidyCount)];
            const std::int64_t subsidy =
                grid.subsidies[static_cast<std::size_t>(point % subsidyCount)];
            const auto check = [&](std::string_view figure, std::string program, std::string want) {
                if (program != want) {
                    found.push_back({pay, subsidy, std::string(figure), program, want});
                }
            };
            const auto month =
                oracle::ExactMonthCap(exact, oracle::FromCents(pay), oracle::FromCents(subsidy));
            mpz_class withheld;
            for (const std::int64_t half : {pay / 2, pay - pay / 2}) withheld += half / 10;
            const auto year =
                oracle::ExactAnnual(exact, oracle::FromCents(pay) * 12, month.credited * 12,
                                    oracle::FromCents(withheld * 12));
            std::string result = year.difference > 0   ? "a cargo"
                                 : year.difference < 0 ? "a favor"
                                                       : "sin diferencia";
            if (oracle::FromCents(pay) * 12 > mostCalculated) result = "no corresponde";

            const auto calculated = calculate(tables, YearOf(pay, subsidy));
            const auto* program = std::get_if<AnnualCalculation>(&calculated);
            if (program == nullptr) {
                check("resultado", "refused", result);
                continue;
            }
            const auto text = [](Cents c) { return AmountText(c).String(); };
            const MonthSubsidy& january = program->months[0];
            check("subsidio_tope", text(january.cap), Shown(month.cap));
            check("subsidio_causado_mes", text(january.credited), Shown(month.credited));
            check("subsidio_excedente", text(january.beyondCap), Shown(month.beyond));
            check("subsidio_causado", text(program->subsidy), Shown(month.credited * 12));
            check("isr_tarifa", text(program->isrTariff), Shown(year.isrTariff));
            check("isr_ejercicio", text(program->isrYear), Shown(year.isrYear));
            check("diferencia", text(program->difference), Shown(year.difference));
            check("resultado", std::string(ResultText(program->result)), result);
        }
        tally.ChunkDone(end - first, found, onMismatch);
    };
    OverChunks((total + kChunk - 1) / kChunk, threads, progressEvery, work,
               [&] { onProgress(tally.Checked()); });
    return tally.Count();
}

}  // namespace isr::verify
