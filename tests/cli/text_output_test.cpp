// SPDX-License-Identifier: MIT
// The text output's layout as a reader sees it: which lines come in which group under which
// heading, the padding between caption and value, and which arguments are amounts.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "run_in_memory.h"

namespace isr::cli {
namespace {

// Each line of the output reduced to its caption: a value line to the text before its run of
// spaces, a heading or a blank line as it is.
std::vector<std::string> Captions(const std::string& out) {
    std::vector<std::string> captions;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const auto gap = line.find("  ");
        captions.push_back(gap == std::string::npos ? line : line.substr(0, gap));
    }
    return captions;
}

TEST(TextOutput, EachGroupUnderItsOwnHeading) {
    const std::vector<std::string> isr = {"",
                                          "Cálculo del ISR 2016",
                                          "Límite Inferior",
                                          "Excedente del Límite Inferior",
                                          "Porcentaje sobre Límite Inferior",
                                          "Cuota Fija",
                                          "Impuesto Determinado",
                                          "",
                                          "Subsidio para el Empleo",
                                          "Límite Inferior",
                                          "Límite Superior",
                                          "Subsidio para el Empleo",
                                          "",
                                          "Procedimiento 2016"};
    const auto with = [&](std::vector<std::string> before, std::vector<std::string> after = {}) {
        before.insert(before.end(), isr.begin(), isr.end());
        before.insert(before.end(), after.begin(), after.end());
        return before;
    };
    struct Case {
        std::vector<std::string_view> args;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {{"mensual", "3000"}, with({"Tipo de Tarifa", "Ingreso Gravable"})},
        {{"anual", "100000", "1200"},
         with({"Tipo de Tarifa", "Ingreso Gravable", "Suma Subsidio para el Empleo"})},
        {{"--tablas", "anexo8", "quincenal", "35000"},
         with({"Tablas", "Tipo de Tarifa", "Ingreso Gravable"})},
        {{"--neto", "mensual", "7000"},
         with({"Tipo de Tarifa", "Neto Buscado", "Ingreso Gravable"}, {"", "Neto", "Exacto"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const auto r = RunWith(c.args);
        ASSERT_EQ(r.status, kExitOk) << r.err;
        EXPECT_EQ(Captions(r.out), c.captions) << r.out;
    }
}

// A value too wide for its column is kept whole, one space after its caption; one that just
// fits is right-aligned at column 50. The widest caption with a value of any width is the annual
// subsidy sum: a base stays within its tariff.
TEST(TextOutput, AnOverWideValueFollowsItsCaptionAfterOneSpace) {
    struct Case {
        std::string_view sum;
        std::string_view line;  // "Suma Subsidio para el Empleo" is 28 characters wide
    };
    const Case cases[] = {
        {"1234567890", "Suma Subsidio para el Empleo      1,234,567,890.00"},
        // 21 characters: one space short of the 50
        {"12345678901234", "Suma Subsidio para el Empleo 12,345,678,901,234.00"},
        // 22 characters: caption and value fill the 50 and still get their space
        {"123456789012345", "Suma Subsidio para el Empleo 123,456,789,012,345.00"},
        {"9999999999999999.99", "Suma Subsidio para el Empleo 9,999,999,999,999,999.99"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sum);
        const auto r = RunWith({"anual", "0", c.sum});
        ASSERT_EQ(r.status, kExitOk) << r.err;
        EXPECT_NE(r.out.find("\n" + std::string(c.line) + "\n"), std::string::npos) << r.out;
    }
}

// A minus sign before a digit or a point starts an amount, not an option: "-0.5" is read as
// "-.5" is and "-9" as "-09", whatever is done with a negative amount.
TEST(TextOutput, ANegativeAmountIsNotAnOption) {
    const std::pair<std::string_view, std::string_view> sameAmounts[] = {
        {"-0.5", "-.5"}, {"-0", "-.0"}, {"-00.50", "-.5"}, {"-9", "-09"}, {"-9.5", "-09.50"}};
    for (const auto& [typed, same] : sameAmounts) {
        SCOPED_TRACE(typed);
        for (const bool json : {false, true}) {
            std::vector<std::string_view> args = {"mensual", typed};
            std::vector<std::string_view> sameArgs = {"mensual", same};
            if (json) {
                args.push_back("--json");
                sameArgs.push_back("--json");
            }
            const auto r = RunWith(args);
            const auto expected = RunWith(sameArgs);
            EXPECT_EQ(r.status, expected.status) << r.err;
            EXPECT_EQ(r.out, expected.out);
            // A message may quote the text as typed; it says the same of both.
            std::string err = r.err;
            if (const auto at = err.find(typed); at != std::string::npos)
                err.replace(at, typed.size(), same);
            EXPECT_EQ(err, expected.err);
        }
    }
    // Only a digit or a point makes it an amount: the characters either side of the digits
    // start options.
    for (const std::string_view option : {"-x", "-+5", "-/5", "-:5"}) {
        SCOPED_TRACE(option);
        EXPECT_NE(RunWith({"mensual", "100", option}).status, kExitOk);
    }
}

// The characters just before '0' and just after '9' are no digits, wherever they stand.
TEST(TextOutput, TheCharactersBesideTheDigitsMakeNoAmount) {
    for (const std::string_view text : {"1.:", "1./", "1.5:", ":1", "1:", "/1", "1/.5", "1,:"}) {
        SCOPED_TRACE(text);
        const auto r = RunWith({"mensual", text});
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
}  // namespace isr::cli
