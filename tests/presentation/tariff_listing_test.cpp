// SPDX-License-Identifier: MIT
#include "presentation/tariff_listing.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "money/amount_text.h"
#include "tariffs/program_tables.h"

namespace isr {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// Where the text shows with tab stops every kListingTabWidth characters.
std::string ExpandTabs(const std::string& line) {
    std::string out;
    for (const char c : line) {
        if (c != '\t') {
            out += c;
            continue;
        }
        do {
            out += ' ';
        } while (out.size() % kListingTabWidth != 0);
    }
    return out;
}

// The figures as a field shows them once left: read from the table's texts on their digits, not
// from the integers the listing formats.
std::vector<std::string> Shown(std::initializer_list<std::string_view> texts) {
    std::vector<std::string> out;
    for (const auto text : texts) out.push_back(RoundedAmountText(text).value_or("?"));
    return out;
}

struct Block {
    std::string title;
    std::size_t titleLine;  // index of the title in the listing
    Period period;
    bool isr;
};

const TableSet& kTables = kProgramTables;
const std::vector<std::string> kListing = Lines(TariffListing(kTables));

const Block kBlocks[] = {
    {"Tarifa ISR Mensual 2016", 4, Period::kMensual, true},
    {"Tarifa Subsidio para el Empleo Mensual 2016", 20, Period::kMensual, false},
    {"Tarifa ISR Anual 2016", 35, Period::kAnual, true},
};

TEST(TariffListing, OpensWithItsTwoLinesAndTwoEmptyOnes) {
    ASSERT_GE(kListing.size(), 4u);
    EXPECT_EQ(kListing[0],
              "Las Tarifas utilizadas por el programa son las vigentes hasta el 2016.");
    EXPECT_EQ(kListing[1], "Anexo 8 tarifas y tablas 2016 pagos provisionales");
    EXPECT_EQ(kListing[2], "");
    EXPECT_EQ(kListing[3], "");
}

TEST(TariffListing, EachTableUnderItsTitleRulesAndHeadings) {
    const std::string rule(58, '=');
    for (const Block& block : kBlocks) {
        SCOPED_TRACE(block.title);
        ASSERT_LT(block.titleLine + 3 + kRowsPerTable, kListing.size() + 1);
        EXPECT_EQ(kListing[block.titleLine], block.title);
        EXPECT_EQ(kListing[block.titleLine + 1], rule);
        EXPECT_EQ(kListing[block.titleLine + 3], rule);
        const std::vector<std::string> headings =
            block.isr ? std::vector<std::string>{"Lim.Inferior", "Lim.Superior", "Cuota", "Fija",
                                                 "Porcentaje"}
                      : std::vector<std::string>{"Lim.Inferior", "Lim.Superior", "Subsidio"};
        EXPECT_EQ(Words(kListing[block.titleLine + 2]), headings);
    }
    // One empty line between the first two tables, none between the last two, none at the end.
    EXPECT_EQ(kListing[19], "");
    EXPECT_EQ(kListing.size(), 35u + 4u + kRowsPerTable);
}

TEST(TariffListing, RowsAreTheTablesFiguresFormatted) {
    const TableSetText& text = kTables.Text();
    for (const Block& block : kBlocks) {
        const auto p = PeriodIndex(block.period);
        for (std::size_t i = 0; i < kRowsPerTable; ++i) {
            SCOPED_TRACE(block.title + ", row " + std::to_string(i));
            // The listing shows the fee before the rate, as the rows hold them.
            const auto expected =
                block.isr ? Shown({text.isr[p][i].lowerLimit, text.isr[p][i].upperLimit,
                                   text.isr[p][i].fixedFee, text.isr[p][i].rate})
                          : Shown({text.subsidy[p][i].lowerLimit, text.subsidy[p][i].upperLimit,
                                   text.subsidy[p][i].subsidy});
            EXPECT_EQ(Words(kListing[block.titleLine + 4 + i]), expected);
        }
    }
}

TEST(TariffListing, ColumnsLineUpWithTabStopsEveryEightCharacters) {
    for (const Block& block : kBlocks) {
        SCOPED_TRACE(block.title);
        for (std::size_t i = 0; i <= kRowsPerTable; ++i) {
            // The headings line and every row end where the last column ends.
            const std::size_t line = i == 0 ? block.titleLine + 2 : block.titleLine + 3 + i;
            EXPECT_EQ(ExpandTabs(kListing[line]).size(), block.isr ? 58u : 42u) << kListing[line];
        }
    }
}

TEST(TariffListing, SampleRowsAsAnAccountantReadsThem) {
    struct Row {
        const char* name;
        std::size_t line;
        std::string text;
    };
    const Row rows[] = {
        {"first monthly bracket", 8, "        0.01\t      496.07\t      0.00\t      1.92"},
        {"monthly top, as the table holds it", 18,
         "  250,000.01\t99,999,999.99\t 78,404.23\t     35.00"},
        {"monthly subsidy, third row", 26, "    2,653.39        3,472.84        406.62"},
        {"monthly subsidy top", 34, "    7,382.34    99,999,999.99         0.00"},
        {"annual top", 49, "3,000,000.01\t99,999,999.99\t940,850.81\t     35.00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_LT(row.line, kListing.size());
        EXPECT_EQ(kListing[row.line], row.text);
    }
}

}  // namespace
}  // namespace isr
