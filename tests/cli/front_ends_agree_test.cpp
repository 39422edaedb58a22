// SPDX-License-Identifier: MIT
// The single calculation, its JSON and the batch read their inputs through one reader; this keeps
// what they show from drifting apart.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "batch/csv_reader.h"
#include "calc/result_boxes.h"
#include "cli/exit_status.h"
#include "run_in_memory.h"

namespace isr::cli {
namespace {

const std::string kFortyDigits = "1234567890123456789012345678901234567890";

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
        // The boxes, the two figures a clerk reports, the error.
        ASSERT_EQ(row.fieldCount, 3 + kResultBoxes.size() + 2 + 1);
        std::vector<std::string> csvBoxes;
        for (std::size_t b = 0; b < kResultBoxes.size(); ++b) {
            csvBoxes.emplace_back(rows.Field(row, 3 + b));
        }
        const std::string csvError(rows.Field(row, 3 + kResultBoxes.size() + 2));
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

// A payment's problem in the same words on the command line and in the batch: after the field's
// name on the command line, after its column in the batch, up to the value each quotes. The page
// says the same words after the field's caption (tests/web/test_payment.py).
TEST(PaymentInput, CommandLineAndBatchSayAPaymentsProblemAlike) {
    struct Case {
        std::vector<std::string> operands;  // CONCEPTO INGRESO_MENSUAL IMPORTE DOMINGOS
        std::string minimumWage;
    };
    const Case cases[] = {
        {{"bono", "10000", "5000", ""}, ""},
        {{"ptu", "-5", "5000", ""}, ""},
        {{"ptu", "10000", "5,0,0.0.", ""}, ""},
        {{"ptu", "100000000", "5000", ""}, ""},
        {{"ptu", "99999999", "5000", ""}, ""},
        {{"prima-dominical", "1", "2", "x"}, ""},
        {{"prima-dominical", "1", "2", "54"}, ""},
        {{"aguinaldo", "1", "2", "1"}, ""},
        {{"aguinaldo", "1", "2", ""}, "0"},
        {{"aguinaldo", "1", "2", ""}, "-1"},
        {{"aguinaldo", "1", "2", ""}, "99999999999999999999"},
    };
    std::string csv = "concepto,ingreso_mensual,importe,domingos,salario_minimo\n";
    for (const auto& c : cases) {
        for (const auto& operand : c.operands) csv += '"' + operand + "\",";
        csv += '"' + c.minimumWage + "\"\n";
    }
    const auto batch = RunWith({"--csv"}, csv);
    EXPECT_EQ(batch.status, kExitBadRows) << batch.err;
    std::istringstream messages(batch.err);
    for (const auto& c : cases) {
        std::vector<std::string_view> args = {"--pago"};
        args.insert(args.end(), c.operands.begin(), c.operands.end());
        const std::string minimumWage = "--salario-minimo=" + c.minimumWage;
        if (!c.minimumWage.empty()) args.push_back(minimumWage);
        const auto single = RunWith(args);
        SCOPED_TRACE(single.err);
        EXPECT_EQ(single.status, kExitUsage);
        std::string row;
        ASSERT_TRUE(std::getline(messages, row));
        // "isr2016-cli: línea 2, columna 3 (ingreso_mensual): no puede ser negativo: "-5"".
        const std::string batchWords = row.substr(row.find("): ") + 3);
        // "isr2016-cli: INGRESO_MENSUAL no puede ser negativo: "-5"", or for the concept, whose
        // problem names it, "isr2016-cli: concepto desconocido: "bono" (aguinaldo, ...)".
        const std::string said = single.err.substr(13, single.err.find('\n') - 13);
        const std::string afterName = said.substr(said.find(' ') + 1);
        EXPECT_TRUE(afterName == batchWords || said.starts_with(batchWords + " (")) << row;
    }
}

}  // namespace
}  // namespace isr::cli
