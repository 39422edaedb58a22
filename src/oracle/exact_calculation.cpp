// SPDX-License-Identifier: MIT
#include "oracle/exact_calculation.h"

#include "oracle/exact_amount.h"
#include "oracle/exact_tables.h"
#include "tariffs/periods.h"

namespace isr::oracle {

namespace {

// Excess in cents times rate in hundredths of a percent is ten-thousandths of a cent.
constexpr std::int64_t kExcessTimesRatePerCent = 10'000;

}  // namespace

ExactBoxes ExactCalculate(int period, std::int64_t baseCents, std::int64_t subsidySumCents) {
    const auto& tables = ExactTablesOf(period);
    // A box that no lookup writes keeps the bare "0" it is cleared to, and reads back as zero.
    ExactBoxes boxes{{"0", "0", "0", "0", "0"}, {"0", "0", "0"}, {}};

    std::int64_t excess = 0;
    std::int64_t rate = 0;
    std::int64_t fee = 0;
    for (const auto& row : tables.isr) {
        if (row.lower <= baseCents && baseCents <= row.upper) {
            excess = baseCents - row.lower;
            rate = row.rate;
            fee = row.fee;
            boxes.txtISR08[0] = FormatHundredths(row.lower);
            boxes.txtISR08[1] = FormatHundredths(excess);
            boxes.txtISR08[2] = FormatHundredths(rate);
            boxes.txtISR08[3] = FormatHundredths(fee);
            break;
        }
    }

    std::int64_t subsidy = 0;
    for (const auto& row : tables.subsidy) {
        if (row.lower <= baseCents && baseCents <= row.upper) {
            subsidy = row.subsidy;
            boxes.txtSUB08[0] = FormatHundredths(row.lower);
            boxes.txtSUB08[1] = FormatHundredths(row.upper);
            boxes.txtSUB08[2] = FormatHundredths(subsidy);
            break;
        }
    }

    const std::int64_t tax = DivideRoundingHalfAway(excess * rate, kExcessTimesRatePerCent) + fee;
    boxes.txtISR08[4] = FormatHundredths(tax);
    boxes.txtRet08[0] = FormatHundredths(tax - (period == kAnual ? subsidySumCents : subsidy));
    return boxes;
}

}  // namespace isr::oracle
