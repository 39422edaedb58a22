// SPDX-License-Identifier: MIT
// Every cell of every table of both sets, against the figures typed from the publications into
// tests/tariffs/data/tables_2016.csv. The file is read here with a reader of its own, so a
// figure the program reads wrongly, or a digit changed in the program's table texts, shows up
// as the table, row and column that differ.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tariffs/table_sets.h"

namespace isr {
namespace {

// A section of the file: its rows, each a list of figures in hundredths.
using Rows = std::vector<std::vector<std::int64_t>>;

// "1234.56" -> 123456; nothing for anything else (the file always writes two decimals).
std::optional<std::int64_t> Hundredths(std::string_view text) {
    const auto point = text.find('.');
    if (point == std::string_view::npos || point == 0 || text.size() - point != 3)
        return std::nullopt;
    std::int64_t value = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == point) continue;
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The file's sections by heading ("programa isr mensual"); a "= programa" section is the
// programa section of the same table.
std::map<std::string, Rows> ReadFigures() {
    std::ifstream file(ISR_TABLE_FIGURES);
    EXPECT_TRUE(file) << ISR_TABLE_FIGURES;
    std::map<std::string, Rows> sections;
    std::string heading;
    std::string line;
    int lineNumber = 0;
    while (std::getline(file, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            heading = line.substr(1, line.size() - 2);
            EXPECT_FALSE(sections.contains(heading)) << "line " << lineNumber;
            sections[heading];
            continue;
        }
        if (line == "= programa") {
            const auto space = heading.find(' ');
            sections[heading] = sections.at("programa" + heading.substr(space));
            continue;
        }
        std::vector<std::int64_t> row;
        std::istringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, ',')) {
            const auto value = Hundredths(cell);
            EXPECT_TRUE(value) << "line " << lineNumber << ": " << cell;
            row.push_back(value.value_or(-1));
        }
        sections[heading].push_back(row);
    }
    return sections;
}

std::string Lower(std::string_view name) {
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

struct Column {
    const char* name;
    std::int64_t value;
};

// Compares one table, cell by cell, naming the table, row (from 0) and column of each that
// differs.
template <class Table, class Columns>
void ExpectTable(const std::map<std::string, Rows>& figures, const std::string& heading,
                 const Table& table, Columns columns) {
    const auto found = figures.find(heading);
    ASSERT_NE(found, figures.end()) << "no section [" << heading << "]";
    const Rows& rows = found->second;
    ASSERT_EQ(rows.size(), table.size()) << heading;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto cells = columns(table[r]);
        ASSERT_EQ(rows[r].size(), cells.size()) << heading << ", row " << r;
        for (std::size_t c = 0; c < cells.size(); ++c)
            EXPECT_EQ(cells[c].value, rows[r][c])
                << heading << ", row " << r << ", " << cells[c].name << " (in hundredths)";
    }
}

TEST(TableFigures, EveryCellOfBothSetsIsThePublishedOrTheProgramsOwnFigure) {
    const auto figures = ReadFigures();
    std::size_t tables = 0;
    for (const std::string_view name : {"programa", "anexo8"}) {
        const TableSet* set = FindTableSet(name);
        ASSERT_NE(set, nullptr) << name;
        for (const Period period : kPeriods) {
            const std::string table = Lower(PeriodName(period));
            ExpectTable(figures, std::string(name) + " isr " + table, set->IsrTariff(period),
                        [](const IsrRow& row) {
                            return std::array<Column, 4>{{
                                {"lower limit", row.lowerLimit.Count()},
                                {"upper limit", row.upperLimit.Count()},
                                {"fixed fee", row.fixedFee.Count()},
                                {"rate", row.rate.Hundredths()},
                            }};
                        });
            ++tables;
            const auto subsidy = set->SubsidyTable(period);
            const std::string subsidyHeading = std::string(name) + " subsidio " + table;
            if (subsidy.empty()) {
                EXPECT_FALSE(figures.contains(subsidyHeading)) << subsidyHeading;
                continue;
            }
            ExpectTable(figures, subsidyHeading, subsidy, [](const SubsidyRow& row) {
                return std::array<Column, 3>{{
                    {"lower limit", row.lowerLimit.Count()},
                    {"upper limit", row.upperLimit.Count()},
                    {"subsidy", row.subsidy.Count()},
                }};
            });
            ++tables;
        }
    }
    EXPECT_EQ(tables, 22U);
    EXPECT_EQ(figures.size(), tables) << "a section of the file names no table";
    EXPECT_EQ(AllTableSets().size(), 2U) << "a set with no figures to compare";
}

}  // namespace
}  // namespace isr
