// SPDX-License-Identifier: MIT
// The page's chart: the net and the determined tax over the taxable income, for the chosen period
// and table set, or after a click on the card "Días pagados" for its days and method. Every figure
// drawn is the core's: the range is cut where a row of the tariff or of the subsidy table changes,
// and each stretch is handed to the page's script (chart.js) by its two ends, calculated here; the
// script only places them.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/days_paid.h"
#include "calc/row_stretches.h"
#include "calc/withholding.h"
#include "money/amount_text.h"
#include "presentation/days_text.h"
#include "tariffs/periods.h"
#include "tariffs/table_sets.h"
#include "web/dom.h"

// Functions of chart.js. Amounts cross as counts of cents in a double, exact below 2^53 cents
// (the range is capped far below), and as the texts the page shows.
// `subsidySum`: the period's net adds the subsidy sum, not a subsidy of its own rows.
// `days`: the thousandths of a day of a days-paid chart, by `method`; 0 for the period's.
EM_JS(void, js_chart_begin,
      (double xTop, double yBottom, double yTop, int subsidySum, int days, const char* method),
      { chartBegin(xTop, yBottom, yTop, subsidySum != 0, days, UTF8ToString(method)); });
EM_JS(void, js_chart_tick, (int vertical, double value, const char* text, int size),
      { chartTick(vertical, value, UTF8ToString(text, size)); });
EM_JS(void, js_chart_point,
      (int reading, double base, double tax, double net, const char* texts, int baseSize,
       int taxSize, int subsidySize, int netSize),
      {
          const split = [ baseSize, taxSize, subsidySize, netSize ];
          const parts = [];
          let at = texts;
          for (const size of split) {
              parts.push(UTF8ToString(at, size));
              at += size;
          }
          (reading ? chartReading : chartPoint)(base, tax, net, parts);
      });
EM_JS(void, js_chart_mark, (int net, double value, const char* text, int size),
      { chartMark(net, value, UTF8ToString(text, size)); });
EM_JS(void, js_chart_end, (), { chartEnd(); });

namespace isr {
namespace {

constexpr const char* kPeriodList = "cmbTarifa";
constexpr const char* kTableSetList = "cmbTablas";

// The widest range the page draws: above every table's top row, and exact in a double.
constexpr std::int64_t kWidestRange = 100'000'000'000'00;  // 100,000,000,000.00
// The most the page's list widens the range.
constexpr int kMostWidening = 100;
// The largest figure drawn: a vertical scale rounded out a tick past figures of a quarter of the
// largest amount still ends at an amount, and so does every tick.
constexpr std::int64_t kLargestDrawn = Cents::kLargestCount / 4;

// What the last click calculated, kept for every redraw until the next click.
struct Calculated {
    std::optional<Cents> base;
    // Read as the calculation reads it: no amount is zero, and one beyond what an amount can
    // hold (nothing here) leaves the annual figures without a net.
    std::optional<Cents> subsidySum = Cents();
    std::optional<Cents> targetNet;  // after a gross-up that found a base
    // After the days card's click: its days and method instead of the chosen period.
    struct Days {
        DaysPaid days;
        DaysMethod method;
    };
    std::optional<Days> days;
};
Calculated calculated;

std::optional<Cents> EnteredAmount(const char* id) {
    const TypedAmount typed = ReadAmount(dom::Value(id));
    if (typed.kind != TypedAmount::Kind::kAmount) return std::nullopt;
    return typed.cents;
}

// A step of 1, 2 or 5 times a power of ten of cents, at least a peso, that cuts `span` into at
// most `parts` parts.
std::int64_t TickStep(std::int64_t span, std::int64_t parts) {
    std::int64_t power = 100;
    for (;;) {
        for (const std::int64_t factor : {1, 2, 5}) {
            if (factor * power * parts >= span) return factor * power;
        }
        power *= 10;
    }
}

std::int64_t RoundUp(std::int64_t value, std::int64_t step) {
    return (value + step - 1) / step * step;
}

std::int64_t RoundDown(std::int64_t value, std::int64_t step) {
    return value >= 0 ? value / step * step : -RoundUp(-value, step);
}

// Whole pesos: a tick is a multiple of a peso, so its ".00" says nothing.
void Tick(bool vertical, std::int64_t cents) {
    const AmountText text(*Cents::FromCount(cents));
    std::string_view pesos = text.View();
    pesos.remove_suffix(3);
    js_chart_tick(vertical ? 1 : 0, static_cast<double>(cents), pesos.data(),
                  static_cast<int>(pesos.size()));
}

struct Figures {
    Cents tax;
    Cents subsidy;  // the period's, or for "Anual" the subsidy sum
    Cents net;
};

bool Drawable(Cents figure) {
    return -kLargestDrawn <= figure.Count() && figure.Count() <= kLargestDrawn;
}

// Nothing when a figure is too large to draw: a subsidy sum near the largest amount nets more
// than any amount holds.
std::optional<Figures> FiguresAt(const TableSet& tables, Period period, Cents base) {
    if (const auto& d = calculated.days) {
        const auto outcome = CalculateDaysPaid(tables, d->days, d->method, base);
        const auto* r = std::get_if<DaysPaidResult>(&outcome);
        const auto net = r ? Cents::Difference(base, r->result) : std::nullopt;
        if (!net || !Drawable(*net)) return std::nullopt;
        return Figures{r->periodTax, r->periodSubsidy, *net};
    }
    const Cents sum = calculated.subsidySum.value_or(Cents());
    const Withholding w = Calculate(tables, period, base, sum);
    const auto net = w.Net();
    if (!net || !Drawable(*net)) return std::nullopt;
    return Figures{w.determinedTax, w.credit, *net};
}

void Point(bool reading, Cents base, const Figures& f) {
    const AmountText texts[] = {AmountText(base), AmountText(f.tax), AmountText(f.subsidy),
                                AmountText(f.net)};
    // The four texts side by side, crossing at once.
    char joined[4 * 27];
    std::size_t size = 0;
    int sizes[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string_view text = texts[i].View();
        std::copy(text.begin(), text.end(), joined + size);
        size += text.size();
        sizes[i] = static_cast<int>(text.size());
    }
    js_chart_point(reading ? 1 : 0, static_cast<double>(base.Count()),
                   static_cast<double>(f.tax.Count()), static_cast<double>(f.net.Count()), joined,
                   sizes[0], sizes[1], sizes[2], sizes[3]);
}

// The rows of a base under the days-paid calculation, the tariff's and the subsidy's, by index;
// without one, -1 for an amount of 0.00 (the tables begin at 0.01) and past the last row above
// it. Nothing where the calculation refuses the base.
std::optional<std::array<int, 2>> DaysRowsAt(const TableSet& tables, Cents base) {
    const auto outcome =
        CalculateDaysPaid(tables, calculated.days->days, calculated.days->method, base);
    const auto* r = std::get_if<DaysPaidResult>(&outcome);
    if (!r) return std::nullopt;
    const Withholding& w = r->withholding;
    const int none = w.base == Cents() ? -1 : static_cast<int>(kRowsPerTable);
    return std::array{w.isr ? static_cast<int>(w.isr->row) : none,
                      w.subsidy ? static_cast<int>(w.subsidy->row) : none};
}

// The last base from `from` to `to` where `holds` does, when it holds at `from` and, once it
// fails, fails above too: found by halving.
template <class Holds>
Cents LastHolding(Cents from, Cents to, Holds holds) {
    std::int64_t low = from.Count();
    std::int64_t high = to.Count();
    while (low < high) {
        const std::int64_t middle = low + (high - low + 1) / 2;
        if (holds(*Cents::FromCount(middle))) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return *Cents::FromCount(low);
}

// The days-paid calculation's stretches from 0.00 to `to`, asked of the core: under either method
// a base's rows rise with it (the monthly base rises with the base), and a refused base refuses
// every base above, so the bases that share their rows are one stretch.
std::vector<RowStretch> DaysStretches(const TableSet& tables, Cents to) {
    std::vector<RowStretch> stretches;
    for (Cents at = Cents();; at = stretches.back().last + kOneCent) {
        const auto rows = DaysRowsAt(tables, at);
        stretches.push_back(
            {at, LastHolding(at, to, [&](Cents b) { return DaysRowsAt(tables, b) == rows; })});
        if (stretches.back().last == to) return stretches;
    }
}

// Where a days-paid chart shows every step of the subsidy: the first base in its last row.
Cents DaysSubsidyStepsEnd(const TableSet& tables) {
    const Cents widest = *Cents::FromCount(kWidestRange);
    for (const RowStretch& stretch : DaysStretches(tables, widest)) {
        const auto rows = DaysRowsAt(tables, stretch.first);
        if (!rows || (*rows)[1] + 1 >= static_cast<int>(kRowsPerTable)) return stretch.first;
    }
    return widest;
}

// The chart of the chosen period and tables, over a range that holds the subsidy's steps and
// the base, widened `widen` times.
void Draw(int widen) {
    const auto period = PeriodAt(dom::SelectedIndex(kPeriodList));
    const int set = dom::SelectedIndex(kTableSetList);
    if (!period || set < 0) return;
    const TableSet& tables = *AllTableSets()[static_cast<std::size_t>(set)];
    // Tables without the days' own: the chosen period's chart, with nothing marked.
    if (calculated.days && !DaysRowsAt(tables, Cents())) calculated = {};
    const auto& days = calculated.days;
    const bool sumTaken = !days && TakesSubsidySum(*period);

    Cents reach = days ? DaysSubsidyStepsEnd(tables) : SubsidyStepsEnd(tables, *period);
    if (calculated.base && calculated.base->Count() <= kWidestRange) {
        reach = std::max(reach, *calculated.base);
    }
    const std::int64_t wanted =
        std::min(reach.Count() / 4 * 5 * std::clamp(widen, 1, kMostWidening), kWidestRange);
    const std::int64_t xStep = TickStep(wanted, 5);
    const std::int64_t xTop = RoundUp(wanted, xStep);

    const Cents top = *Cents::FromCount(xTop);
    const auto stretches =
        days ? DaysStretches(tables, top) : RowStretches(tables, *period, Cents(), top);
    // Each stretch by its ends; the two ends of a step are one cent apart.
    struct Drawn {
        Cents base;
        Figures figures;
    };
    Drawn drawn[2 * (4 * kRowsPerTable + 1)];
    std::size_t count = 0;
    std::int64_t low = 0;
    std::int64_t high = 0;
    // Without a subsidy sum to subtract the annual period has no net to draw, nor with one whose
    // nets are too large to draw.
    bool figured = calculated.subsidySum || !sumTaken;
    const auto add = [&](Cents base) {
        const auto figures = FiguresAt(tables, *period, base);
        figured = figured && figures;
        if (figured) drawn[count++] = {base, *figures};
    };
    for (const RowStretch& stretch : figured ? stretches : decltype(stretches)()) {
        add(stretch.first);
        if (stretch.last != stretch.first) add(stretch.last);
    }
    if (!figured) count = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const Figures& f = drawn[i].figures;
        low = std::min({low, f.tax.Count(), f.net.Count()});
        high = std::max({high, f.tax.Count(), f.net.Count()});
    }
    if (calculated.targetNet) {
        low = std::min(low, calculated.targetNet->Count());
        high = std::max(high, calculated.targetNet->Count());
    }
    const std::int64_t yStep = TickStep(high - low, 5);
    const std::int64_t yBottom = RoundDown(low, yStep);
    const std::int64_t yTop = std::max(RoundUp(high, yStep), yBottom + yStep);

    js_chart_begin(static_cast<double>(xTop), static_cast<double>(yBottom),
                   static_cast<double>(yTop), sumTaken ? 1 : 0, days ? days->days.thousandths : 0,
                   days ? DaysMethodName(days->method).data() : "");
    for (std::int64_t x = 0; x <= xTop; x += xStep) Tick(false, x);
    for (std::int64_t y = yBottom; y <= yTop; y += yStep) Tick(true, y);
    for (std::size_t i = 0; i < count; ++i) Point(false, drawn[i].base, drawn[i].figures);
    if (calculated.base && Cents() <= *calculated.base && calculated.base->Count() <= xTop) {
        const AmountText text(*calculated.base);
        js_chart_mark(0, static_cast<double>(calculated.base->Count()), text.View().data(),
                      static_cast<int>(text.View().size()));
    }
    if (calculated.targetNet) {
        const AmountText text(*calculated.targetNet);
        js_chart_mark(1, static_cast<double>(calculated.targetNet->Count()), text.View().data(),
                      static_cast<int>(text.View().size()));
    }
    js_chart_end();
}

}  // namespace
}  // namespace isr

extern "C" {

// After a click on the days card's button: its calculation, with its base marked, when the card
// made one; otherwise the chart stays as it was.
EMSCRIPTEN_KEEPALIVE void isr_chart_days(int widen) {
    using namespace isr;
    const auto days = ReadDaysPaid(dom::Value("txtDias"));
    const auto method = FindDaysMethod(dom::Value("cmbMetodo"));
    const auto base = EnteredAmount("txtDiasBase");
    const int set = dom::SelectedIndex(kTableSetList);
    if (!days || !method || !base || *base < Cents() || set < 0) return;
    if (!std::holds_alternative<DaysPaidResult>(CalculateDaysPaid(
            *AllTableSets()[static_cast<std::size_t>(set)], *days, *method, *base))) {
        return;
    }
    calculated = {base, Cents(), std::nullopt, Calculated::Days{*days, *method}};
    Draw(widen);
}

// After a click on Calcular (grossUp 0) or on the gross-up's button (1): the base the boxes were
// calculated for is marked, and after a gross-up that found one, the net it was asked for.
EMSCRIPTEN_KEEPALIVE void isr_chart_calculated(int grossUp, int widen) {
    using namespace isr;
    calculated.days.reset();
    calculated.base = EnteredAmount("txtBase");
    const TypedAmount sum = ReadAmount(dom::Value("txtPagos"));
    calculated.subsidySum =
        sum.kind == TypedAmount::Kind::kBeyondRange
            ? std::nullopt
            : std::optional(sum.kind == TypedAmount::Kind::kAmount ? sum.cents : Cents());
    calculated.targetNet = std::nullopt;
    if (grossUp && !dom::Value("txtExacto").empty()) {
        const auto target = EnteredAmount("txtNetoBuscado");
        if (target && Drawable(*target)) calculated.targetNet = target;
    }
    Draw(widen);
}

// Another period (`period` 1: the chart is the period's again, with nothing marked after the days
// card's), table set or range: the same marks over the new tables.
EMSCRIPTEN_KEEPALIVE void isr_chart_draw(int widen, int period) {
    if (period && isr::calculated.days) isr::calculated = {};
    isr::Draw(widen);
}

// The figures at one base, as a point of the chart (chartPoint) but apart: where the pointer or
// the keyboard is.
EMSCRIPTEN_KEEPALIVE void isr_chart_at(double cents) {
    using namespace isr;
    const auto period = PeriodAt(dom::SelectedIndex(kPeriodList));
    const int set = dom::SelectedIndex(kTableSetList);
    if (!period || set < 0 || !(cents >= 0) || cents > static_cast<double>(kWidestRange)) return;
    const Cents base = *Cents::FromCount(static_cast<std::int64_t>(cents + 0.5));
    if (!calculated.subsidySum && !calculated.days && TakesSubsidySum(*period)) return;
    const auto figures = FiguresAt(*AllTableSets()[static_cast<std::size_t>(set)], *period, base);
    if (figures) Point(true, base, *figures);
}

}  // extern "C"
