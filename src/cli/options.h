// SPDX-License-Identifier: MIT
// The arguments of isr2016-cli read the GNU way (getopt_long): options before, after or among the
// operands, long options abbreviated while unambiguous, a value after "=" or as the next argument,
// and "--" ending the options.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tariffs/table_set.h"

namespace isr::cli {

// What the program does with its operands, chosen once by the options.
enum class Mode {
    kCalculation,  // PERIODO BASE [SUMA_SUBSIDIO]
    kGrossUp,      // --neto: PERIODO NETO [SUMA_SUBSIDIO]
    kPayment,      // --pago: CONCEPTO INGRESO_MENSUAL IMPORTE [DOMINGOS]
    kCsv,          // --csv: [ENTRADA [SALIDA]]
    kAnnual,       // --ejercicio: [ENTRADA [SALIDA]], a payment history
};

// Arguments that can run: the mode and its operands, as many as the mode takes.
struct Options {
    Mode mode = Mode::kCalculation;
    bool json = false;
    bool summary = false;  // --resumen, with --csv or --ejercicio
    bool months = false;   // --meses, with --ejercicio
    const TableSet* tables = nullptr;
    bool tablesChosen = false;  // the outputs name the set only when --tablas chose it
    // --salario-minimo's text, with --pago; nothing for the 2016 minimum wage.
    std::optional<std::string_view> minimumWage;
    // --dias's and --metodo's texts: a pay of that many days, its only operand BASE.
    std::optional<std::string_view> days;
    std::optional<std::string_view> method;
    std::vector<std::string_view> operands;
};

// --help and --version answer at once, whatever follows them.
enum class Request { kHelp, kVersion };

// Arguments that cannot run, and why: "opción desconocida: "--xml"".
struct UsageProblem {
    std::string text;
};

std::variant<Options, Request, UsageProblem> ReadArguments(std::span<const std::string_view> args);

}  // namespace isr::cli
