// SPDX-License-Identifier: MIT
// The one way into a calculation from the command line: the period, the base and the year's
// subsidy sum as texts (arguments or CSV cells) in, the typed inputs or what is wrong with which
// field out. The single calculation, --json, --neto and --csv all read through it, so that they
// refuse the same amounts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "calc/input_problem.h"
#include "money/amount_text.h"
#include "tariffs/periods.h"
#include "tariffs/table_set.h"

namespace isr {

// kAmount is the amount after the period: the base of a calculation, or the target net of a
// gross-up (--neto, the "neto" column); each caller names it as its own input does.
enum class InputField : std::uint8_t { kPeriod, kAmount, kSubsidySum };

// What the amount after the period is: a base must lie within the period's tariff, a target net
// within the nets of those bases (which the gross-up itself tells).
enum class AmountRole : std::uint8_t { kBase, kTargetNet };

struct InputError {
    InputField field;
    InputProblem problem;
    // For kBeyondTariff: the period and the top of its tariff, which the message gives.
    Period period = Period::kMensual;
    Cents tariffTop{};
};

struct CalculationInput {
    Period period;
    // The amount after the period, rounded to cents: a base from 0.00 to the top of the period's
    // tariff, or a target net from 0.00 to the largest amount.
    Cents amount;
    Cents subsidySum;  // from 0.00 up
};

// An amount as a spreadsheet cell or an argument writes it: read as the window reads a typed amount
// (see ReadAmount) once the blanks around it and a "$" before its digits are set aside
// ("$7,500.00", " 15000 ", "-$5"). A "," separates thousands only between groups of three integer
// digits
// ("1,500.50"): anywhere else ("1500,50", "1,50,00", "1.500,50") it would be read as something
// other than meant, so the text is refused, and nothing is returned.
std::optional<TypedAmount> ReadWrittenAmount(std::string_view text);

// The amount text ReadWrittenAmount reads, for an echo that keeps every digit typed: "$ 7,500.00 "
// gives "7,500.00".
std::string WrittenAmountText(std::string_view text);

// The problems of a calculation's texts, at most one per field, in the order of the fields.
template <typename Error, std::size_t kFields>
struct FieldErrors {
    std::array<Error, kFields> list{};
    std::size_t count = 0;

    std::span<const Error> All() const { return {list.data(), count}; }
    void Add(const Error& error) { list[count++] = error; }
};

using InputErrors = FieldErrors<InputError, 3>;

// Every field is read (see ReadWrittenAmount and FindPeriod), a target net exactly as a base, and
// each one's problem is noted in `errors`, so that one look finds them all; the inputs when there
// is none. An empty subsidy sum, like an omitted one, is zero. A base is checked against the
// tariff only when the period is known.
std::optional<CalculationInput> ReadCalculationInput(const TableSet& tables, AmountRole role,
                                                     std::string_view period,
                                                     std::string_view amount,
                                                     std::string_view subsidySum,
                                                     InputErrors& errors);

// The same, with only the first problem, in the order period, amount, subsidy sum.
std::variant<CalculationInput, InputError> ReadCalculationInput(const TableSet& tables,
                                                                AmountRole role,
                                                                std::string_view period,
                                                                std::string_view amount,
                                                                std::string_view subsidySum);

// What is wrong, in the words every message uses ("no es un importe"), appended to `message`; a
// payment's tariff and ranges are said by AppendPaymentProblem.
void AppendProblem(std::string& message, const InputError& error);

// Why a target net has no gross-up, appended to `message`: "más allá de las tablas (el mayor neto
// Mensual es 65,009,095.77)".
void AppendBeyondTables(std::string& message, const TableSet& tables,
                        const CalculationInput& input);

}  // namespace isr
