// SPDX-License-Identifier: MIT
#include "batch/box_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/brackets.h"
#include "presentation/box_text.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

// The record "x" and the nine boxes, as the writer writes them box by box.
std::string BoxByBox(const Withholding& withholding, char separator = ',') {
    ByteBuffer out;
    CsvRecordWriter writer(out, "\n", separator);
    writer.Field("x");
    for (const ResultBox box : kResultBoxes) writer.AmountField(BoxText(withholding, box));
    writer.EndRecord();
    return std::string(out.View());
}

std::string Written(BoxFields& fields, Period period, const Withholding& withholding,
                    char separator = ',') {
    ByteBuffer out;
    CsvRecordWriter record(out, "\n", separator);
    CsvRowWriter writer(record, 1 + kResultBoxes.size() * CsvRowWriter::kAmountFieldBytes);
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
    EXPECT_EQ(Written(fields, Period::kMensual, none), "x,0,0,0,0,0.00,0,0,0,0\n");
    EXPECT_EQ(Written(fields, Period::kMensual, none), BoxByBox(none));
}

}  // namespace
}  // namespace isr
