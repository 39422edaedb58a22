// SPDX-License-Identifier: MIT
#include "cli/calculation_input.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/result_boxes.h"
#include "cli/command_line.h"
#include "cli/csv_reader.h"
#include "cli/exit_status.h"
#include "run_in_memory.h"
#include "tariffs/table_sets.h"

namespace isr::cli {
namespace {

Cents C(std::int64_t count) {
    return *Cents::FromCount(count);
}

const std::string kFortyDigits = "1234567890123456789012345678901234567890";

TEST(ReadCalculationInput, TextsBecomeInputsOrTheFieldAndProblem) {
    using Read = std::variant<CalculationInput, InputError>;
    const auto input = [](Period period, std::int64_t base, std::int64_t sum) -> Read {
        return CalculationInput{period, C(base), C(sum)};
    };
    const auto error = [](InputField field, InputProblem problem) -> Read {
        return InputError{field, problem};
    };
    struct Case {
        std::string name;
        std::string period;
        std::string base;
        std::string subsidySum;
        Read expected;
    };
    const std::string largest = "9,999,999,999,999,999.99";
    const Case cases[] = {
        {"a plain monthly base", "Mensual", "3,000.00", "", input(Period::kMensual, 300000, 0)},
        {"period names ignore case", "qUINCENAL", "1", "", input(Period::kQuincenal, 100, 0)},
        {"an annual sum is read", "anual", "100000", "1,200",
         input(Period::kAnual, 10000000, 120000)},
        {"the sum is read for other periods too", "semanal", "1000", "500",
         input(Period::kSemanal, 100000, 50000)},
        {"a base rounds half a cent up", "mensual", "496.075", "",
         input(Period::kMensual, 49608, 0)},
        {"a negative base is refused", "mensual", "-0.125", "",
         error(InputField::kAmount, InputProblem::kNegative)},
        {"a base that rounds to zero has no sign", "mensual", "-0.004", "",
         input(Period::kMensual, 0, 0)},
        {"minus zero is zero", "mensual", "-0", "-0.00", input(Period::kMensual, 0, 0)},
        {"a negative sum is refused", "anual", "100000", "-5",
         error(InputField::kSubsidySum, InputProblem::kNegative)},
        {"a sum that rounds to zero has no sign", "anual", "1", "-0.004",
         input(Period::kAnual, 100, 0)},
        {"the top of the monthly tariff is a base", "mensual", "99,999,999.99", "",
         input(Period::kMensual, 9999999999, 0)},
        {"a cent above the top of the tariff", "mensual", "100,000,000.00", "",
         error(InputField::kAmount, InputProblem::kBeyondTariff)},
        {"the top of the weekly tariff is a base", "semanal", "9999999.99", "",
         input(Period::kSemanal, 999999999, 0)},
        {"rounding takes a base above the top", "semanal", "9999999.995", "",
         error(InputField::kAmount, InputProblem::kBeyondTariff)},
        {"a sum rounds half a cent up", "anual", "0", "99.995", input(Period::kAnual, 0, 10000)},
        {"an empty sum is zero", "anual", "5", "", input(Period::kAnual, 500, 0)},
        {"a base of 10^13 is beyond the tariff", "mensual", "12345678901234.567", "",
         error(InputField::kAmount, InputProblem::kBeyondTariff)},
        {"a base beyond the range is beyond the tariff", "mensual", kFortyDigits, "",
         error(InputField::kAmount, InputProblem::kBeyondTariff)},
        {"a negative base beyond the range is negative", "mensual", "-" + kFortyDigits, "",
         error(InputField::kAmount, InputProblem::kNegative)},
        {"the largest amount is a sum", "anual", "0", largest,
         input(Period::kAnual, 0, Cents::kLargestCount)},
        {"the largest negative amount is a negative sum", "anual", "0", "-" + largest,
         error(InputField::kSubsidySum, InputProblem::kNegative)},
        {"an unknown period", "bimestral", "100", "",
         error(InputField::kPeriod, InputProblem::kUnknownPeriod)},
        {"an empty period", "", "100", "",
         error(InputField::kPeriod, InputProblem::kUnknownPeriod)},
        {"the period is checked first", "x", "y", "z",
         error(InputField::kPeriod, InputProblem::kUnknownPeriod)},
        {"a base with letters", "mensual", "12a", "",
         error(InputField::kAmount, InputProblem::kNotAnAmount)},
        {"an empty base", "mensual", "", "",
         error(InputField::kAmount, InputProblem::kNotAnAmount)},
        {"the base is checked before the sum", "anual", "x", "y",
         error(InputField::kAmount, InputProblem::kNotAnAmount)},
        {"a sum with a currency sign", "anual", "100", "$5",
         error(InputField::kSubsidySum, InputProblem::kNotAnAmount)},
        {"a bad sum for a period that ignores it", "semanal", "100", "-",
         error(InputField::kSubsidySum, InputProblem::kNotAnAmount)},
        {"a sum a cent above the largest", "anual", "100", "10,000,000,000,000,000.00",
         error(InputField::kSubsidySum, InputProblem::kBeyondRange)},
        {"a sum that rounds above the largest", "anual", "100", "9999999999999999.995",
         error(InputField::kSubsidySum, InputProblem::kBeyondRange)},
        {"a negative sum beyond the range is negative", "anual", "100", "-" + kFortyDigits,
         error(InputField::kSubsidySum, InputProblem::kNegative)},
        {"the base is checked before the sum is", "mensual", "-1", "-1",
         error(InputField::kAmount, InputProblem::kNegative)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = ReadCalculationInput(DefaultTableSet(), AmountRole::kBase, c.period,
                                               c.base, c.subsidySum);
        ASSERT_EQ(read.index(), c.expected.index());
        if (const auto* expected = std::get_if<CalculationInput>(&c.expected)) {
            const auto& got = std::get<CalculationInput>(read);
            EXPECT_EQ(got.period, expected->period);
            EXPECT_EQ(got.amount.Count(), expected->amount.Count());
            EXPECT_EQ(got.subsidySum.Count(), expected->subsidySum.Count());
        } else {
            const auto& expectedError = std::get<InputError>(c.expected);
            EXPECT_EQ(std::get<InputError>(read).field, expectedError.field);
            EXPECT_EQ(std::get<InputError>(read).problem, expectedError.problem);
        }
    }
}

// The three ways in read through one reader; this keeps what they show from drifting apart.
// The value closing each of the last nine caption lines: the box texts, in the window's order.
std::vector<std::string> TextBoxes(const std::string& text) {
    std::vector<std::string> values;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("  ") != std::string::npos)
            values.push_back(line.substr(line.rfind(' ') + 1));
    }
    const auto boxes = static_cast<std::ptrdiff_t>(kResultBoxes.size());
    if (std::ssize(values) > boxes) values.erase(values.begin(), values.end() - boxes);
    return values;
}

// The string values of a one-line JSON object after the three echoed inputs.
std::vector<std::string> JsonBoxes(const std::string& json) {
    std::vector<std::string> values;
    for (auto at = json.find("\":\""); at != std::string::npos; at = json.find("\":\"", at)) {
        at += 3;
        values.push_back(json.substr(at, json.find('"', at) - at));
    }
    if (values.size() >= 3) values.erase(values.begin(), values.begin() + 3);
    return values;
}

TEST(ReadCalculationInput, SingleJsonAndCsvShowTheSameBoxesAndRefuseAlike) {
    struct Case {
        std::string period;
        std::string base;
        std::string subsidySum;
        std::string problem;  // what both say, for an input they refuse
    };
    // Every period, both ends of a bracket, entry rounding, results on both sides of zero, bases
    // beyond the tables, an empty sum, and one refusal for each field.
    const std::string beyondSum = "10000000000000000";
    const Case cases[] = {
        {"Mensual", "3,000.00", "", ""},
        {"Mensual", "83,333.59", "0", ""},
        {"Mensual", "496.075", "", ""},
        {"Anual", "100000", "1,200", ""},
        {"Anual", "0.", "99.999", ""},
        {"Anual", "5", "", ""},
        {"Semanal", "1000", "500", ""},
        {"Decenal", "2428.41", "", ""},
        {"Catorcenal", "7.5", "", ""},
        {"Quincenal", "41,118.42", "", ""},
        {"Anual", "0", "9999999999999999.99", ""},
        {"Mensual", "-0.004", "", ""},
        {"Bimestral", "1", "", "periodo desconocido: \"Bimestral\""},
        {"Quincenal", "1e0", "", "no es un importe: \"1e0\""},
        {"Semanal", "-0.01", "", "no puede ser negativo: \"-0.01\""},
        {"Anual", "1", "-3", "no puede ser negativo: \"-3\""},
        {"Mensual", "12345678901234.567", "",
         "más allá de la tarifa Mensual (a lo sumo 99,999,999.99): \"12345678901234.567\""},
        {"Decenal", kFortyDigits, "",
         "más allá de la tarifa Decenal (a lo sumo 9,999,999.99): \"" + kFortyDigits + "\""},
        {"Anual", "1", beyondSum,
         "importe fuera de rango (a lo sumo 9,999,999,999,999,999.99): \"" + beyondSum + "\""},
    };
    std::string csv = "periodo,ingreso_gravable,suma_subsidio\n";
    for (const auto& c : cases) {
        csv += c.period + ",\"" + c.base + "\",\"" + c.subsidySum + "\"\n";
    }
    const auto batch = RunWith({"--csv"}, csv);
    EXPECT_EQ(batch.status, kExitBadRows) << batch.err;
    std::istringstream batchOut(batch.out);
    CsvReader reader(batchOut);
    CsvRecordBatch rows;
    while (reader.ReadRecord(rows)) {
    }
    ASSERT_EQ(rows.size(), std::size(cases) + 1);

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.period + " " + c.base + " " + c.subsidySum);
        const auto& row = rows[i + 1];
        ASSERT_EQ(row.fieldCount, 3 + kResultBoxes.size() + 1);
        std::vector<std::string> csvBoxes;
        for (std::size_t b = 0; b < kResultBoxes.size(); ++b) {
            csvBoxes.emplace_back(rows.Field(row, 3 + b));
        }
        const std::string csvError(rows.Field(row, 3 + kResultBoxes.size()));
        const auto text = RunWith({c.period, c.base, c.subsidySum});
        const auto json = RunWith({"--json", c.period, c.base, c.subsidySum});
        if (!c.problem.empty()) {
            EXPECT_EQ(text.status, kExitUsage);
            EXPECT_EQ(json.status, kExitUsage);
            EXPECT_NE(text.err.find(c.problem), std::string::npos) << text.err;
            EXPECT_TRUE(csvError.ends_with(c.problem)) << csvError;
            EXPECT_EQ(csvBoxes, std::vector<std::string>(kResultBoxes.size()));
            continue;
        }
        ASSERT_EQ(text.status, kExitOk) << text.err;
        ASSERT_EQ(json.status, kExitOk) << json.err;
        EXPECT_EQ(csvError, "");
        EXPECT_EQ(TextBoxes(text.out), csvBoxes) << text.out;
        EXPECT_EQ(JsonBoxes(json.out), csvBoxes) << json.out;
    }
}

}  // namespace
}  // namespace isr::cli
