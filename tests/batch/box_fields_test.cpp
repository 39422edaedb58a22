// SPDX-License-Identifier: MIT
#include "batch/box_fields.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "calc/brackets.h"
#include "presentation/box_labels.h"
#include "presentation/box_text.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

// The record "x", the nine boxes and the settlement, as the writer writes them figure by figure.
std::string BoxByBox(const Withholding& withholding, char separator = ',') {
    ByteBuffer out;
    CsvRecordWriter writer(out, "\n", separator);
    writer.Field("x");
    for (const ResultBox box : kResultBoxes) writer.AmountField(BoxText(withholding, box));
    for (const Cents figure : Settlement(withholding)) writer.AmountField(AmountText(figure));
    writer.EndRecord();
    return std::string(out.View());
}

std::string Written(BoxFields& fields, Period period, const Withholding& withholding,
                    char separator = ',') {
    ByteBuffer out;
    CsvRecordWriter record(out, "\n", separator);
    CsvRowWriter writer(record, 1 + (kResultBoxes.size() + kSettlementLabels.size()) *
                                        CsvRowWriter::kAmountFieldBytes);
    writer.Field("x");
    fields.Write(period, withholding, writer);
    writer.EndRecord();
    return std::string(out.View());
}

// Both ends of every tariff and subsidy row of every set, with one cache for all of them, in
// turns between the sets and the separators: an entry is written only for the figures and the
// separator it was made with.
TEST(BoxFields, WriteEveryRowOfEverySetAsTheBoxesShowIt) {
    BoxFields fields;
    for (const char separator : {',', ',', ';', '\t', ','}) {
        for (const TableSet* tables : AllTableSets()) {
            for (const Period period : kPeriods) {
                std::vector<Cents> bases;
                for (const IsrRow& row : tables->IsrTariff(period)) {
                    bases.push_back(row.lowerLimit);
                    bases.push_back(*Cents::FromCount(row.lowerLimit.Count() + 12345));
                }
                for (const SubsidyRow& row : tables->SubsidyTable(period)) {
                    bases.push_back(row.lowerLimit);
                    bases.push_back(row.upperLimit);
                }
                for (const Cents base : bases) {
                    if (base > TariffTop(tables->IsrTariff(period))) continue;
                    const auto withholding =
                        Calculate(*tables, period, base, *Cents::FromCount(250'000));
                    SCOPED_TRACE(std::string(PeriodName(period)) + " " +
                                 std::string(AmountText(base).View()) + " " + separator);
                    ASSERT_EQ(Written(fields, period, withholding, separator),
                              BoxByBox(withholding, separator));
                }
            }
        }
    }
}

// Without a tariff row, a subsidy row or a result, the boxes show the bare "0".
TEST(BoxFields, WriteTheBareZeroWhereNoRowWasFound) {
    BoxFields fields;
    const Withholding none{std::nullopt, std::nullopt, Cents{}, std::nullopt};
    EXPECT_EQ(Written(fields, Period::kMensual, none), "x,0,0,0,0,0.00,0,0,0,0,0.00,0.00\n");
    EXPECT_EQ(Written(fields, Period::kMensual, none), BoxByBox(none));
}

// The settlement's figures, out of the result's text: withheld above zero, delivered below.
TEST(BoxFields, WriteTheSettlementOfAResultOfEitherSign) {
    BoxFields fields;
    for (const std::int64_t result : {0, 1, -1, 99'999, -100'000, -123'456'789}) {
        const Withholding withholding{std::nullopt, std::nullopt, Cents{},
                                      *Cents::FromCount(result)};
        SCOPED_TRACE(result);
        EXPECT_EQ(Written(fields, Period::kMensual, withholding), BoxByBox(withholding));
    }
}

}  // namespace
}  // namespace isr
