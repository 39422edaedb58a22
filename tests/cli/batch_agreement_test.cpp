// SPDX-License-Identifier: MIT
// The batch, the single calculation's JSON and the calculation itself give the same box texts.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calc/calculation.h"
#include "cli/command_line.h"
#include "cli/csv_reader.h"
#include "cli/entered_amount.h"
#include "tariffs/periods.h"

namespace isr::cli {
namespace {

struct Input {
    std::string period;
    std::string base;
    std::string pagos;
};

// Every period, both ends of the brackets, entry rounding and a negative result.
const std::vector<Input> kInputs = {
    {"Mensual", "3,000.00", "0"}, {"Mensual", "83,333.59", "0"},    {"Mensual", "496.075", "0"},
    {"Anual", "100000", "1,200"}, {"Anual", "0.", "99.999"},        {"Semanal", "1000", "500"},
    {"Decenal", "2428.41", "0"},  {"Catorcenal", "7.5", "0"},       {"Quincenal", "41,118.42", "0"},
    {"Quincenal", "1e0", "0"},    {"Mensual", "999999999999", "0"},
};

std::vector<std::string> BoxTexts(const ResultBoxes& boxes) {
    std::vector<std::string> texts;
    for (const auto& box : kResultBoxes) texts.push_back(BoxText(boxes, box));
    return texts;
}

// The string values of a one-line JSON object, in order.
std::vector<std::string> JsonValues(const std::string& json) {
    std::vector<std::string> values;
    for (auto at = json.find("\":\""); at != std::string::npos; at = json.find("\":\"", at)) {
        at += 3;
        values.push_back(json.substr(at, json.find('"', at) - at));
    }
    return values;
}

TEST(BatchAgreement, CsvJsonAndCalculateShowTheSameTexts) {
    std::string csv = "periodo,ingreso_gravable,suma_subsidio\n";
    for (const auto& in : kInputs) csv += in.period + ",\"" + in.base + "\",\"" + in.pagos + "\"\n";
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream stdinText(csv);
    const std::string_view args[] = {"--csv", "-"};
    const int status = cli::Run(args, {stdinText, out, err});
    EXPECT_EQ(err.str(),
              "isr2016-cli: línea 11, columna 2 (ingreso_gravable): no es un importe: "
              "\"1e0\"\n");
    EXPECT_EQ(status, kExitBadRows);

    std::istringstream outText(out.str());
    CsvReader reader(outText);
    CsvRecordBatch rows;
    while (reader.ReadRecord(rows)) {
    }
    ASSERT_EQ(rows.size(), kInputs.size() + 1);
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        const auto& in = kInputs[i];
        SCOPED_TRACE(in.period + " " + in.base + " " + in.pagos);
        const auto& row = rows[i + 1];
        std::vector<std::string> fromCsv;
        for (std::size_t c = 3; c < 3 + kResultBoxes.size(); ++c) {
            fromCsv.emplace_back(rows.Field(row, c));
        }

        const std::string_view jsonArgs[] = {"--json", in.period, in.base, in.pagos};
        std::ostringstream json;
        std::istringstream none;
        const int jsonStatus = cli::Run(jsonArgs, {none, json, err});

        const auto base = EnteredAmount(in.base);
        if (!base) {  // refused alike by both
            EXPECT_EQ(jsonStatus, kExitUsage);
            EXPECT_NE(rows.Field(row, 3 + kResultBoxes.size()), "");
            continue;
        }
        ResultBoxes boxes;
        Calculate(*FindPeriod(in.period), *base, *EnteredAmount(in.pagos), boxes);
        const auto expected = BoxTexts(boxes);
        EXPECT_EQ(fromCsv, expected);
        const auto values = JsonValues(json.str());
        ASSERT_EQ(values.size(), 3 + kResultBoxes.size()) << json.str();
        EXPECT_EQ(std::vector(values.begin() + 3, values.end()), expected);
    }
}

}  // namespace
}  // namespace isr::cli
