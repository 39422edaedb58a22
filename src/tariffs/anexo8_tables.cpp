// SPDX-License-Identifier: MIT
// The 2016 tables as the SAT published them: Anexo 8 of the Resolución Miscelánea Fiscal para
// 2016 (DOF 12 January 2016), under articles 96 and 152 of the Ley del ISR as in force since 2014,
// in force for the payrolls of 2014 to 2017 (the subsidy table from 2008 until April 2024). The
// 7-, 10- and 15-day tariffs are the published daily tariff times the days. The SAT publishes no
// 14-day tables: those here are its daily tariff and daily subsidy times 14. Where the
// publication and the program's own set agree (the annual tariff, the monthly, 7-, 10- and 15-day
// subsidy tables, and all but one cell of the monthly tariff and the 14-day subsidy), the
// program's rows are used.
#include "tariffs/anexo8_tables.h"

#include "tariffs/program_table_text.h"
#include "tariffs/table_checks.h"

namespace isr {

namespace {

constexpr auto kProgramIsr = kProgramTableText.isr;
constexpr auto kProgramSubsidy = kProgramTableText.subsidy;

// The monthly tariff is the program's but for one cell: row 2's fee, 247.23 there (the figure of
// 2010 to 2013).
constexpr auto kMonthlyIsr = [] {
    auto rows = kProgramIsr[PeriodIndex(Period::kMensual)];
    rows[2].fixedFee = "247.24";
    return rows;
}();

// The 14-day subsidy is the program's but for row 0: 13.39 a day times 14 (187.44 there).
constexpr auto kFourteenDaySubsidy = [] {
    auto rows = kProgramSubsidy[PeriodIndex(Period::kCatorcenal)];
    rows[0].subsidy = "187.46";
    return rows;
}();

// B.1: the daily tariff and daily subsidy table, of which the 7-, 10-, 14- and 15-day tables are
// multiples (checked while compiling).
constexpr DailyTablesText kDailyText = {
    // lower limit, upper limit, fixed fee, rate %
    {{
        {"0.01", "16.32", "0.00", "1.92"},
        {"16.33", "138.50", "0.31", "6.40"},
        {"138.51", "243.40", "8.13", "10.88"},
        {"243.41", "282.94", "19.55", "16.00"},
        {"282.95", "338.76", "25.87", "17.92"},
        {"338.77", "683.23", "35.88", "21.36"},
        {"683.24", "1076.87", "109.45", "23.52"},
        {"1076.88", "2055.92", "202.04", "30.00"},
        {"2055.93", "2741.23", "495.75", "32.00"},
        {"2741.24", "8223.68", "715.05", "34.00"},
        {"8223.69", "9999999.99", "2579.09", "35.00"},
    }},
    // lower limit, upper limit, subsidy
    {{
        {"0.01", "58.19", "13.39"},
        {"58.20", "87.28", "13.38"},
        {"87.29", "114.24", "13.38"},
        {"114.25", "116.38", "12.92"},
        {"116.39", "146.25", "12.58"},
        {"146.26", "155.17", "11.65"},
        {"155.18", "175.51", "10.69"},
        {"175.52", "204.76", "9.69"},
        {"204.77", "234.01", "8.34"},
        {"234.02", "242.84", "7.16"},
        {"242.85", "9999999.99", "0.00"},
    }},
};

constexpr TableSetText kAnexo8Text = {
    "anexo8",
    "Las Tarifas utilizadas son las publicadas en el Anexo 8 de la RMF para 2016.",
    "2016",
    "las publicadas en el Anexo 8 de la RMF para 2016",
    {{
        kMonthlyIsr,
        kProgramIsr[PeriodIndex(Period::kAnual)],
        // Semanal: lower limit, upper limit, fixed fee, rate %
        {{
            {"0.01", "114.24", "0.00", "1.92"},
            {"114.25", "969.50", "2.17", "6.40"},
            {"969.51", "1703.80", "56.91", "10.88"},
            {"1703.81", "1980.58", "136.85", "16.00"},
            {"1980.59", "2371.32", "181.09", "17.92"},
            {"2371.33", "4782.61", "251.16", "21.36"},
            {"4782.62", "7538.09", "766.15", "23.52"},
            {"7538.10", "14391.44", "1414.28", "30.00"},
            {"14391.45", "19188.61", "3470.25", "32.00"},
            {"19188.62", "57565.76", "5005.35", "34.00"},
            {"57565.77", "9999999.99", "18053.63", "35.00"},
        }},
        // Decenal: lower limit, upper limit, fixed fee, rate %
        {{
            {"0.01", "163.20", "0.00", "1.92"},
            {"163.21", "1385.00", "3.10", "6.40"},
            {"1385.01", "2434.00", "81.30", "10.88"},
            {"2434.01", "2829.40", "195.50", "16.00"},
            {"2829.41", "3387.60", "258.70", "17.92"},
            {"3387.61", "6832.30", "358.80", "21.36"},
            {"6832.31", "10768.70", "1094.50", "23.52"},
            {"10768.71", "20559.20", "2020.40", "30.00"},
            {"20559.21", "27412.30", "4957.50", "32.00"},
            {"27412.31", "82236.80", "7150.50", "34.00"},
            {"82236.81", "9999999.99", "25790.90", "35.00"},
        }},
        // Catorcenal: lower limit, upper limit, fixed fee, rate %
        {{
            {"0.01", "228.48", "0.00", "1.92"},
            {"228.49", "1939.00", "4.34", "6.40"},
            {"1939.01", "3407.60", "113.82", "10.88"},
            {"3407.61", "3961.16", "273.70", "16.00"},
            {"3961.17", "4742.64", "362.18", "17.92"},
            {"4742.65", "9565.22", "502.32", "21.36"},
            {"9565.23", "15076.18", "1532.30", "23.52"},
            {"15076.19", "28782.88", "2828.56", "30.00"},
            {"28782.89", "38377.22", "6940.50", "32.00"},
            {"38377.23", "115131.52", "10010.70", "34.00"},
            {"115131.53", "9999999.99", "36107.26", "35.00"},
        }},
        // Quincenal: lower limit, upper limit, fixed fee, rate %
        {{
            {"0.01", "244.80", "0.00", "1.92"},
            {"244.81", "2077.50", "4.65", "6.40"},
            {"2077.51", "3651.00", "121.95", "10.88"},
            {"3651.01", "4244.10", "293.25", "16.00"},
            {"4244.11", "5081.40", "388.05", "17.92"},
            {"5081.41", "10248.45", "538.20", "21.36"},
            {"10248.46", "16153.05", "1641.75", "23.52"},
            {"16153.06", "30838.80", "3030.60", "30.00"},
            {"30838.81", "41118.45", "7436.25", "32.00"},
            {"41118.46", "123355.20", "10725.75", "34.00"},
            {"123355.21", "9999999.99", "38686.35", "35.00"},
        }},
    }},
    {{
        kProgramSubsidy[PeriodIndex(Period::kMensual)],
        {},  // Anual: no subsidy table
        kProgramSubsidy[PeriodIndex(Period::kSemanal)],
        kProgramSubsidy[PeriodIndex(Period::kDecenal)],
        kFourteenDaySubsidy,
        kProgramSubsidy[PeriodIndex(Period::kQuincenal)],
    }},
    &kDailyText,
};

}  // namespace

constexpr TableSet kAnexo8Tables{kAnexo8Text};

static_assert(table_checks::EveryCheckHolds(kAnexo8Tables));

}  // namespace isr
