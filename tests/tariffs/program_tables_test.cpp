// SPDX-License-Identifier: MIT
#include "tariffs/program_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "money/amount_text.h"
#include "tariffs/periods.h"
#include "tariffs/table_sets.h"

namespace isr {
namespace {

TEST(ProgramTables, EachPeriodReadsItsOwnTables) {
    struct Case {
        Period period;
        Cents firstIsrUpperLimit;
        std::optional<Cents> firstSubsidyUpperLimit;
    };
    const Case cases[] = {
        {Period::kMensual, TableAmount("496.07"), TableAmount("1768.96")},
        {Period::kAnual, TableAmount("5952.84"), std::nullopt},
        {Period::kSemanal, TableAmount("114.24"), TableAmount("407.33")},
        {Period::kDecenal, TableAmount("163.20"), TableAmount("581.90")},
        {Period::kCatorcenal, TableAmount("228.48"), TableAmount("814.66")},
        {Period::kQuincenal, TableAmount("244.80"), TableAmount("872.85")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(PeriodName(c.period));
        EXPECT_EQ(kProgramTables.IsrTariff(c.period)[0].upperLimit, c.firstIsrUpperLimit);
        const auto subsidy = kProgramTables.SubsidyTable(c.period);
        ASSERT_EQ(subsidy.empty(), !c.firstSubsidyUpperLimit);
        if (c.firstSubsidyUpperLimit) {
            EXPECT_EQ(subsidy.size(), kRowsPerTable);
            EXPECT_EQ(subsidy[0].upperLimit, *c.firstSubsidyUpperLimit);
        }
    }
}

// The figures are read while compiling by a reader of their own; the one that reads what users
// type must find the same cents in every text of every set ("103218", "81.3", "6.4", "0.00").
TEST(TableSets, EveryFigureIsItsTextReadAsAnAmount) {
    const auto read = [](std::string_view text) {
        const TypedAmount amount = ReadAmount(text);
        EXPECT_EQ(amount.kind, TypedAmount::Kind::kAmount) << text;
        return amount.cents;
    };
    for (const TableSet* tables : AllTableSets()) {
        const TableSetText& text = tables->Text();
        for (const Period period : kPeriods) {
            const auto p = PeriodIndex(period);
            for (std::size_t r = 0; r < kRowsPerTable; ++r) {
                SCOPED_TRACE(std::string(tables->Name()) + ", " + std::string(PeriodName(period)) +
                             ", row " + std::to_string(r));
                const IsrRow& isr = tables->IsrTariff(period)[r];
                EXPECT_EQ(isr.lowerLimit, read(text.isr[p][r].lowerLimit));
                EXPECT_EQ(isr.upperLimit, read(text.isr[p][r].upperLimit));
                EXPECT_EQ(isr.fixedFee, read(text.isr[p][r].fixedFee));
                EXPECT_EQ(isr.rate.Hundredths(), read(text.isr[p][r].rate).Count());
                if (!HasSubsidyTable(period)) continue;
                const SubsidyRow& subsidy = tables->SubsidyTable(period)[r];
                EXPECT_EQ(subsidy.lowerLimit, read(text.subsidy[p][r].lowerLimit));
                EXPECT_EQ(subsidy.upperLimit, read(text.subsidy[p][r].upperLimit));
                EXPECT_EQ(subsidy.subsidy, read(text.subsidy[p][r].subsidy));
            }
        }
    }
}

// The published tables are the default, first in every list; the program's own stay by name, in
// any case.
TEST(TableSets, FoundByTheirNameInAnyCaseWithThePublishedFirst) {
    ASSERT_NE(FindTableSet("anexo8"), nullptr);
    EXPECT_EQ(FindTableSet("anexo8")->Name(), "anexo8");
    EXPECT_EQ(&DefaultTableSet(), FindTableSet("anexo8"));
    ASSERT_EQ(AllTableSets().size(), 2u);
    EXPECT_EQ(AllTableSets().front(), &DefaultTableSet());
    EXPECT_EQ(FindTableSet("programa"), &kProgramTables);
    EXPECT_EQ(AllTableSets().back(), &kProgramTables);
    EXPECT_EQ(FindTableSet("Programa"), &kProgramTables);
    EXPECT_EQ(FindTableSet("ANEXO8"), FindTableSet("anexo8"));
    for (const std::string_view other : {"", "programa ", "program", "anexo 8"}) {
        EXPECT_EQ(FindTableSet(other), nullptr) << '"' << other << '"';
    }
}

// A period is said to have a subsidy table exactly where the sets' texts give it rows; the others
// take the typed subsidy sum instead.
TEST(Periods, HaveASubsidyTableExactlyWhereTheSetsWriteOne) {
    for (const TableSet* tables : AllTableSets()) {
        for (const Period period : kPeriods) {
            SCOPED_TRACE(std::string(tables->Name()) + ", " + std::string(PeriodName(period)));
            const auto& rows = tables->Text().subsidy[PeriodIndex(period)];
            const bool written =
                std::any_of(rows.begin(), rows.end(),
                            [](const SubsidyRowText& row) { return !row.subsidy.empty(); });
            EXPECT_EQ(HasSubsidyTable(period), written);
            EXPECT_NE(TakesSubsidySum(period), written);
            EXPECT_EQ(tables->SubsidyTable(period).empty(), !written);
        }
    }
}

TEST(Periods, NamesMatchAsPeopleWriteThem) {
    struct Case {
        std::string_view name;
        std::optional<Period> period;
    };
    // The last names hold bytes one bit away from a name's letters, or a name's first letter
    // with another length.
    const Case cases[] = {
        {"Mensual", Period::kMensual},
        {"mensual", Period::kMensual},
        {"ANUAL", Period::kAnual},
        {"semanal", Period::kSemanal},
        {"DeCeNaL", Period::kDecenal},
        {"catorcenal", Period::kCatorcenal},
        {"Quincenal", Period::kQuincenal},
        {"", std::nullopt},
        {"mensua", std::nullopt},
        {"mensual ", Period::kMensual},
        {" Quincenal\t", Period::kQuincenal},
        {"monthly", std::nullopt},
        {"men sual", std::nullopt},
        {"Mensu@l", std::nullopt},
        {"\xC1nual", std::nullopt},
        {"Catorcenales", std::nullopt},
        {"-ensual", std::nullopt},  // folds onto the M of Mensual
        {"CATORCENAl", Period::kCatorcenal},
        {"Catorcen@l", std::nullopt},  // in the second of two overlapping words
        {"Catorcena1", std::nullopt},
        {"QuiNcenal", Period::kQuincenal},
        {"Qu1ncenal", std::nullopt},  // in the first word only
        {"Anua", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE('"' + std::string(c.name) + '"');
        EXPECT_EQ(FindPeriod(c.name), c.period);
    }
}

TEST(Periods, ListPositionsInTheWindowsOrder) {
    const std::string_view names[] = {"Mensual", "Anual",      "Semanal",
                                      "Decenal", "Catorcenal", "Quincenal"};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const auto period = PeriodAt(i);
        ASSERT_TRUE(period.has_value());
        EXPECT_EQ(PeriodName(*period), names[i]);
        EXPECT_EQ(PeriodIndex(*period), static_cast<std::size_t>(i));
    }
    EXPECT_EQ(PeriodAt(-1), std::nullopt);  // nothing selected
    EXPECT_EQ(PeriodAt(6), std::nullopt);
}

}  // namespace
}  // namespace isr
