// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "calc/amount.h"
#include "cli/quoted_argument.h"
#include "cli/single_calculation.h"
#include "entry/numeric_text.h"
#include "tariffs/periods.h"

namespace isr::cli {

namespace {

constexpr std::string_view kUsage = "uso: isr2016-cli [--json] PERIODO BASE [SUMA_SUBSIDIO]";

constexpr std::string_view kHelp =
    R"(Calcula el ISR a retener sobre salarios con las tarifas de 2016.

uso: isr2016-cli [--json] PERIODO BASE [SUMA_SUBSIDIO]
     isr2016-cli --help | --version

PERIODO        Mensual, Anual, Semanal, Decenal, Catorcenal o Quincenal
               (sin distinguir mayúsculas y minúsculas).
BASE           ingreso gravable del periodo, escrito como en la ventana:
               12,000.50  7.5  0.  (se redondea a centavos).
SUMA_SUBSIDIO  suma del subsidio para el empleo pagado en el año; sólo
               cuenta para el periodo Anual (0 si se omite).

Opciones:
  --json       un objeto JSON con el texto de cada casilla
  --help       esta ayuda
  --version    la versión del programa
Las opciones pueden ir antes o después de los argumentos. Un argumento que
empieza con "-" seguido de un dígito o de "." es un importe, no una opción.

Ejemplo:
  isr2016-cli mensual 3,000.00

Estado de salida:
  0  cálculo hecho
  2  argumentos incorrectos (periodo desconocido, importe no numérico,
     opción desconocida o número de argumentos equivocado)
)";

bool LooksLikeAmount(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && ((arg[1] >= '0' && arg[1] <= '9') || arg[1] == '.');
}

int UsageError(std::ostream& err, std::string_view problem) {
    err << "isr2016-cli: " << problem << '\n' << kUsage << '\n';
    return kExitUsage;
}

// The text the window would hold after the user typed `text` and left the field.
std::optional<std::string> EnteredAmount(std::string_view text) {
    if (!IsNumeric(text)) return std::nullopt;
    return FormatAmount(ParseAmount(text).value_or(0.0));
}

}  // namespace

int Run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    bool json = false;
    bool optionsEnded = false;
    std::vector<std::string_view> operands;
    for (const auto arg : args) {
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-" || LooksLikeAmount(arg)) {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            out << kHelp;
            return kExitOk;
        } else if (arg == "--version") {
            out << "isr2016-cli " << ISR2016_VERSION << '\n';
            return kExitOk;
        } else if (arg == "--json") {
            json = true;
        } else {
            return UsageError(err, "opción desconocida: " + QuotedArgument(arg));
        }
    }
    if (operands.size() < 2 || operands.size() > 3) {
        return UsageError(err, "se esperan PERIODO, BASE y, opcionalmente, SUMA_SUBSIDIO");
    }

    const auto period = FindPeriod(operands[0]);
    if (!period) {
        return UsageError(err, "periodo desconocido: " + QuotedArgument(operands[0]) +
                                   " (Mensual, Anual, Semanal, Decenal, Catorcenal o Quincenal)");
    }
    const auto base = EnteredAmount(operands[1]);
    if (!base) {
        return UsageError(err, "BASE no es un importe: " + QuotedArgument(operands[1]));
    }
    const auto pagos = EnteredAmount(operands.size() == 3 ? operands[2] : "0");
    if (!pagos) {
        return UsageError(err, "SUMA_SUBSIDIO no es un importe: " + QuotedArgument(operands[2]));
    }

    const auto calc = CalculateSingle(*period, *base, *pagos);
    if (json) {
        WriteJson(calc, out);
    } else {
        WriteText(calc, out);
    }
    return kExitOk;
}

}  // namespace isr::cli
