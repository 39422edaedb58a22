// SPDX-License-Identifier: MIT
#include "batch/calculation_input.h"

#include <algorithm>
#include <cstdint>

#include "calc/brackets.h"
#include "calc/gross_up.h"
#include "money/text_helpers.h"
#include "money/written_name.h"
#include "presentation/problem_text.h"

namespace isr {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether every "," of an amount's text stands between groups of three integer digits. Texts with
// other characters are left to ReadAmount, which says they are no amount.
bool CommasSeparateThousands(std::string_view text) {
    if (text.find(',') == std::string_view::npos) return true;
    if (!AllOf(text, [](char c) { return IsDigit(c) || c == ',' || c == '.'; })) return true;
    const auto integer = text.substr(0, text.find('.'));
    if (integer.size() < text.size() && text.find(',', integer.size()) != std::string_view::npos) {
        return false;  // a "," among the decimals
    }
    const auto firstComma = integer.find(',');
    if (firstComma == 0 || firstComma > 3) return false;
    for (std::size_t comma = firstComma; comma < integer.size(); comma += 4) {
        if (integer[comma] != ',' || comma + 4 > integer.size()) return false;
        for (std::size_t d = comma + 1; d < comma + 4; ++d) {
            if (!IsDigit(integer[d])) return false;
        }
    }
    return true;
}

}  // namespace

namespace {

// A written amount without the blanks around it and a "$" before its digits: its sign apart, and
// the rest ("--5" leaves "-5", no amount).
struct WrittenParts {
    bool negative;
    std::string_view rest;
};

WrittenParts SplitWrittenAmount(std::string_view text) {
    WrittenParts parts{false, TrimBlanks(text)};
    const auto takeSign = [&parts] {
        if (!parts.negative && !parts.rest.empty() && parts.rest.front() == '-') {
            parts.negative = true;
            parts.rest.remove_prefix(1);
        }
    };
    takeSign();
    if (!parts.rest.empty() && parts.rest.front() == '$') {
        parts.rest = TrimBlanks(parts.rest.substr(1));
    }
    takeSign();
    return parts;
}

}  // namespace

namespace {

// The spellings nearly every cell of a payroll has: digits, grouped in threes by "," or not, then
// a point with at most two decimals or none ("152887.69", "1,347.91", "81", "55.5", "7."). Read in
// one pass, to the value the general reading gives; nothing for any other text, which that
// reading takes. Fifteen integer digits at most stay below the largest amount.
std::optional<Cents> ReadPlainAmount(std::string_view text) {
    constexpr std::size_t kMostDigits = 15;
    // No more than fifteen digits and their four commas are read before the point: a longer
    // integer part is left to the general reading.
    const std::size_t integerEnd = std::min(text.size(), kMostDigits + 4);
    std::uint64_t whole = 0;
    std::size_t i = 0;
    std::size_t groupStart = 0;  // after the last comma
    std::size_t commas = 0;
    for (; i < integerEnd; ++i) {
        const auto digit = static_cast<unsigned>(text[i] - '0');
        if (digit <= 9) {
            whole = whole * 10 + digit;
            continue;
        }
        if (text[i] != ',') break;
        const std::size_t group = i - groupStart;
        if (group == 0 || group > 3 || (commas > 0 && group != 3)) return std::nullopt;
        ++commas;
        groupStart = i + 1;
    }
    const std::size_t digits = i - commas;
    if (digits == 0 || digits > kMostDigits || (commas > 0 && i - groupStart != 3)) {
        return std::nullopt;
    }
    std::uint64_t count = whole * 100;
    if (i != text.size()) {
        const std::size_t rest = text.size() - i;  // the point and its decimals
        if (text[i] != '.' || rest > 3) return std::nullopt;
        const auto tenths = rest >= 2 ? static_cast<unsigned>(text[i + 1] - '0') : 0U;
        const auto hundredths = rest == 3 ? static_cast<unsigned>(text[i + 2] - '0') : 0U;
        if (tenths > 9 || hundredths > 9) return std::nullopt;
        count += tenths * 10 + hundredths;
    }
    return Cents::FromCount(static_cast<std::int64_t>(count));
}

}  // namespace

std::optional<TypedAmount> ReadWrittenAmount(std::string_view text) {
    if (const auto plain = ReadPlainAmount(text))
        return TypedAmount{TypedAmount::Kind::kAmount, *plain};
    const auto [negative, rest] = SplitWrittenAmount(text);
    if (!CommasSeparateThousands(rest)) return std::nullopt;
    // The sign is read by ReadAmount, so that "-0.004" stays 0.00 and "-" alone no amount.
    if (negative && (rest.empty() || rest.front() == '-')) {
        return TypedAmount{TypedAmount::Kind::kNotAnAmount, Cents()};
    }
    TypedAmount typed = ReadAmount(rest);
    if (negative) typed.cents = -typed.cents;
    return typed;
}

std::string WrittenAmountText(std::string_view text) {
    const auto [negative, rest] = SplitWrittenAmount(text);
    return (negative ? "-" : "") + std::string(rest);
}

std::optional<CalculationInput> ReadCalculationInput(const TableSet& tables, AmountRole role,
                                                     std::string_view period,
                                                     std::string_view amount,
                                                     std::string_view subsidySum,
                                                     InputErrors& errors) {
    errors.count = 0;
    const auto foundPeriod = FindPeriod(period);
    if (!foundPeriod) errors.Add({InputField::kPeriod, InputProblem::kUnknownPeriod});

    const auto typedAmount = ReadWrittenAmount(amount);
    if (!typedAmount) {
        errors.Add({InputField::kAmount, InputProblem::kMisplacedComma});
    } else if (typedAmount->kind == TypedAmount::Kind::kNotAnAmount) {
        errors.Add({InputField::kAmount, InputProblem::kNotAnAmount});
    } else if (typedAmount->cents < Cents()) {
        // A value that rounds to zero has no sign, so "-0.004" passes as 0.00.
        errors.Add({InputField::kAmount, InputProblem::kNegative});
    } else if (foundPeriod && role == AmountRole::kBase &&
               typedAmount->cents > TariffTop(tables.IsrTariff(*foundPeriod))) {
        errors.Add({InputField::kAmount, InputProblem::kBeyondTariff, *foundPeriod,
                    TariffTop(tables.IsrTariff(*foundPeriod))});
    } else if (typedAmount->kind == TypedAmount::Kind::kBeyondRange) {
        // Cut to the largest amount, a target would be met by a net it is not.
        errors.Add({InputField::kAmount, InputProblem::kBeyondRange});
    }

    std::optional<TypedAmount> typedSum = TypedAmount{TypedAmount::Kind::kAmount, Cents()};
    // An empty sum, as nearly every row of a payroll has, is told without trimming it.
    if (!subsidySum.empty() && !TrimBlanks(subsidySum).empty()) {
        typedSum = ReadWrittenAmount(subsidySum);
    }
    if (!typedSum) {
        errors.Add({InputField::kSubsidySum, InputProblem::kMisplacedComma});
    } else if (typedSum->kind == TypedAmount::Kind::kNotAnAmount) {
        errors.Add({InputField::kSubsidySum, InputProblem::kNotAnAmount});
    } else if (typedSum->cents < Cents()) {
        errors.Add({InputField::kSubsidySum, InputProblem::kNegative});
    } else if (typedSum->kind == TypedAmount::Kind::kBeyondRange) {
        errors.Add({InputField::kSubsidySum, InputProblem::kBeyondRange});
    }
    if (errors.count > 0) return std::nullopt;
    return CalculationInput{*foundPeriod, typedAmount->cents, typedSum->cents};
}

std::variant<CalculationInput, InputError> ReadCalculationInput(const TableSet& tables,
                                                                AmountRole role,
                                                                std::string_view period,
                                                                std::string_view amount,
                                                                std::string_view subsidySum) {
    InputErrors errors;
    if (auto input = ReadCalculationInput(tables, role, period, amount, subsidySum, errors)) {
        return *input;
    }
    return errors.list[0];
}

void AppendProblem(std::string& message, const InputError& error) {
    switch (error.problem) {
        case InputProblem::kUnknownPeriod:
            message += "periodo desconocido";
            return;
        case InputProblem::kUnknownConcept:
            message += "concepto desconocido";
            return;
        case InputProblem::kNotAnAmount:
            message += "no es un importe";
            return;
        case InputProblem::kMisplacedComma:
            message +=
                "la coma sólo separa miles (1,500.50): los centavos van tras un punto decimal";
            return;
        case InputProblem::kNegative:
            message += "no puede ser negativo";
            return;
        case InputProblem::kBeyondRange:
            message += "importe ";
            AppendBeyondRange(message);
            return;
        case InputProblem::kBeyondTariff:
            message += "más allá de la tarifa ";
            message += PeriodName(error.period);
            message += " (a lo sumo ";
            message += AmountText(error.tariffTop).View();
            message += ')';
            return;
        case InputProblem::kNotSundays:
            message += "no es un número entero de domingos";
            return;
        case InputProblem::kNotForConcept:
            message += "sólo cuentan para la prima dominical";
            return;
        case InputProblem::kOutOfRange:
            // Only a payment's Sundays and minimum wage have a range: AppendPaymentProblem
            // says it.
            return;
    }
}

void AppendBeyondTables(std::string& message, const TableSet& tables,
                        const CalculationInput& input) {
    message += "más allá de las tablas (el mayor neto ";
    message += PeriodName(input.period);
    message += " es ";
    message += AmountText(HighestNet(tables, input.period, input.subsidySum)).View();
    message += ')';
}

}  // namespace isr
