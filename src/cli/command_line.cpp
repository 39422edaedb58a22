// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "cli/batch_progress.h"
#include "cli/calculation_input.h"
#include "cli/csv_batch.h"
#include "cli/csv_reader.h"
#include "cli/quoted_argument.h"
#include "cli/single_calculation.h"
#include "tariffs/table_sets.h"

namespace isr::cli {

namespace {

constexpr std::string_view kUsage =
    "uso: isr2016-cli [--json] [--tablas NOMBRE] PERIODO BASE [SUMA_SUBSIDIO]\n"
    "     isr2016-cli --neto [--json] PERIODO NETO [SUMA_SUBSIDIO]\n"
    "     isr2016-cli --csv [--tablas NOMBRE] [ENTRADA [SALIDA]]";

// The help, around the paragraph of --tablas, which is made from the table sets.
constexpr std::string_view kHelpBeforeTables =
    R"(Calcula el ISR a retener sobre salarios con las tarifas de 2016.

uso: isr2016-cli [--json] [--tablas NOMBRE] PERIODO BASE [SUMA_SUBSIDIO]
     isr2016-cli --neto [--json] PERIODO NETO [SUMA_SUBSIDIO]
     isr2016-cli --csv [--tablas NOMBRE] [ENTRADA [SALIDA]]
     isr2016-cli --help | --version

PERIODO        Mensual, Anual, Semanal, Decenal, Catorcenal o Quincenal
               (sin distinguir mayúsculas y minúsculas).
BASE           ingreso gravable del periodo, escrito como en la ventana:
               12,000.50  7.5  0.  (se redondea a centavos).
NETO           con --neto, el neto buscado: el ingreso gravable menos el
               procedimiento 2016 (ISR y subsidio para el empleo, sin cuotas
               de seguridad social), escrito como BASE.
SUMA_SUBSIDIO  suma del subsidio para el empleo pagado en el año; sólo
               cuenta para el periodo Anual (0 si se omite o está vacía).

Opciones:
  --json       un objeto JSON con el texto de cada casilla
  --neto       del neto al ingreso gravable: el menor ingreso cuyo neto
               llega a NETO, con su cálculo, el neto que deja y si es NETO
               exacto (con --json, "neto_buscado", "neto" y "exacto"); el
               neto no crece siempre con el ingreso, porque el subsidio baja
               por escalones; admite --tablas como cualquier cálculo
  --csv        una nómina entera: lee un CSV de ENTRADA y escribe otro en
               SALIDA (entrada y salida estándar si se omiten o son "-")
  --tablas NOMBRE
)";
constexpr std::string_view kHelpAfterTables =
    R"(  --help       esta ayuda
  --version    la versión del programa
Las opciones pueden ir antes o después de los argumentos. Un argumento que
empieza con "-" seguido de un dígito o de "." es un importe, no una opción.

Nómina en CSV (--csv):
  La primera fila nombra las columnas: periodo, ingreso_gravable y, si se
  quiere, suma_subsidio (sin distinguir mayúsculas y minúsculas); las demás
  columnas pasan sin cambios y en su lugar. Cada valor se lee como en la
  línea de órdenes; un importe con comas va entre comillas ("12,000.50") y
  una suma_subsidio vacía vale 0. La salida repite cada fila, en el mismo
  orden, con una columna por casilla, nombrada como su clave en --json
  (isr_limite_inferior ... procedimiento_2016), y una última columna error.
  Con una columna neto en lugar de ingreso_gravable, cada fila es un --neto:
  la columna neto sale como neto_buscado, y tras las de la entrada vienen
  ingreso_gravable, las casillas, neto y exacto (true o false).
  Una fila mal escrita no se pierde: sale con las casillas vacías y en error
  lo que está mal, con su línea y columna, que también se escribe en la
  salida de errores. Se aceptan la marca BOM de UTF-8 y los finales de
  línea CRLF, y la salida los conserva; las líneas vacías se saltan. En una
  terminal, la salida de errores muestra el avance de las entradas largas.

Ejemplos:
  isr2016-cli mensual 3,000.00
  isr2016-cli --neto mensual 7,000.00
  isr2016-cli --csv nomina.csv resultados.csv

Estado de salida:
  0  cálculo hecho (con --csv, todas las filas bien)
  1  con --csv, alguna fila con error (las demás se calcularon)
  2  argumentos incorrectos (periodo desconocido, importe no numérico,
     opción desconocida o número de argumentos equivocado) o, con --neto,
     un neto mayor que el de cualquier ingreso de las tablas; con --csv, una
     entrada que no se pudo leer (vacía, sin encabezado, sin una columna
     obligatoria, con una repetida o con ingreso_gravable y neto a la vez) o
     una salida que no se pudo escribir
)";

bool LooksLikeAmount(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && ((arg[1] >= '0' && arg[1] <= '9') || arg[1] == '.');
}

int UsageError(std::ostream& err, std::string_view problem) {
    err << "isr2016-cli: " << problem << '\n' << kUsage << '\n';
    return kExitUsage;
}

// "BASE no es un importe: "abc"", or for the period the list of periods after the text. The
// operands stand in the order of InputField; the amount is named BASE, or NETO for a gross-up.
std::string InputMessage(const InputError& error, std::span<const std::string_view> operands,
                         std::string_view amountName) {
    const auto position = static_cast<std::size_t>(error.field);
    std::string message;
    if (error.field == InputField::kAmount) message = std::string(amountName) + ' ';
    if (error.field == InputField::kSubsidySum) message = "SUMA_SUBSIDIO ";
    AppendProblem(message, error.problem);
    message += ": ";
    message += QuotedArgument(operands[position]);
    if (error.field == InputField::kPeriod) {
        message += " (Mensual, Anual, Semanal, Decenal, Catorcenal o Quincenal)";
    }
    return message;
}

int CannotOpen(std::ostream& err, std::string_view path, std::string_view purpose) {
    err << "isr2016-cli: no se puede abrir " << QuotedArgument(path, kQuotedPathCharacters)
        << " para " << purpose << ": " << std::strerror(errno) << '\n';
    return kExitUsage;
}

// "programa o anexo8", from the sets themselves.
std::string TableSetNames() {
    std::string names;
    const auto sets = AllTableSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (i > 0) names += i + 1 == sets.size() ? " o " : ", ";
        names += sets[i]->Name();
    }
    return names;
}

// The help's lines are filled up to this column, their words after the options' indent.
constexpr std::size_t kHelpWidth = 76;
constexpr std::string_view kHelpIndent = "               ";

// Columns, not bytes: one for each character of the UTF-8 text.
std::size_t Columns(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// "las tablas del cálculo: programa (las del programa, por omisión) o anexo8 (...); ...", each
// line as full as kHelpWidth lets it be.
std::string TablesHelp() {
    std::string paragraph = "las tablas del cálculo: ";
    const auto sets = AllTableSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (i > 0) paragraph += i + 1 == sets.size() ? " o " : ", ";
        paragraph += sets[i]->Name();
        paragraph += " (";
        paragraph += sets[i]->Description();
        if (sets[i] == &DefaultTableSet()) paragraph += ", por omisión";
        paragraph += ')';
    }
    paragraph += "; con --json, la clave \"tablas\" dice cuáles";
    std::string help;
    std::string line(kHelpIndent);
    std::size_t start = 0;
    while (start < paragraph.size()) {
        const std::size_t end = std::min(paragraph.find(' ', start), paragraph.size());
        const std::string_view word = std::string_view(paragraph).substr(start, end - start);
        if (line.size() > kHelpIndent.size() && Columns(line) + 1 + Columns(word) > kHelpWidth) {
            help += line + '\n';
            line = kHelpIndent;
        }
        if (line.size() > kHelpIndent.size()) line += ' ';
        line += word;
        start = end + 1;
    }
    return help + line + '\n';
}

// The batch: files named by `operands`, or the standard streams for none or "-".
int RunCsv(std::span<const std::string_view> operands, const TableSet& tables,
           const Console& console) {
    const auto named = [&](std::size_t i) { return operands.size() > i && operands[i] != "-"; };
    std::ifstream inFile;
    if (named(0)) {
        inFile.open(std::string(operands[0]), std::ios::binary);
        if (!inFile) return CannotOpen(console.err, operands[0], "leer");
    }
    CsvReader reader(named(0) ? inFile : console.in);
    const auto layout = ReadBatchHeader(reader, console.err);
    if (!layout) return kExitUsage;

    // Opened only now, so that an unusable input leaves an existing output file alone.
    std::ofstream outFile;
    if (named(1)) {
        outFile.open(std::string(operands[1]), std::ios::binary | std::ios::trunc);
        if (!outFile) return CannotOpen(console.err, operands[1], "escribir");
    }
    std::optional<ProgressLine> progress;
    if (console.errIsTerminal) progress.emplace(console.err);
    BatchOptions options;
    options.workers = std::max(1u, std::thread::hardware_concurrency());
    options.progress = progress ? &*progress : nullptr;
    options.tables = &tables;
    return RunBatch(reader, *layout, named(1) ? outFile : console.out, console.err, options);
}

}  // namespace

int Run(std::span<const std::string_view> args, const Console& console) {
    auto& out = console.out;
    auto& err = console.err;
    bool json = false;
    bool csv = false;
    bool grossUp = false;
    bool optionsEnded = false;
    std::optional<std::string_view> tablesName;
    std::vector<std::string_view> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-" || LooksLikeAmount(arg)) {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            out << kHelpBeforeTables << TablesHelp() << kHelpAfterTables;
            return kExitOk;
        } else if (arg == "--version") {
            out << "isr2016-cli " << ISR2016_VERSION << '\n';
            return kExitOk;
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--csv") {
            csv = true;
        } else if (arg == "--neto") {
            grossUp = true;
        } else if (arg == "--tablas" || arg.starts_with("--tablas=")) {
            if (arg == "--tablas" && i + 1 == args.size()) {
                return UsageError(err, "--tablas necesita un nombre (" + TableSetNames() + ")");
            }
            tablesName =
                arg == "--tablas" ? args[++i] : arg.substr(std::string_view("--tablas=").size());
        } else {
            return UsageError(err, "opción desconocida: " + QuotedArgument(arg));
        }
    }
    if (csv && json) return UsageError(err, "--csv y --json no se combinan");
    if (csv && grossUp) {
        return UsageError(
            err, "--csv y --neto no se combinan: una nómina de netos lleva una columna neto");
    }
    const TableSet* tables = tablesName ? FindTableSet(*tablesName) : &DefaultTableSet();
    if (tables == nullptr) {
        return UsageError(err, "tablas desconocidas: " + QuotedArgument(*tablesName) + " (" +
                                   TableSetNames() + ")");
    }
    if (csv) {
        if (operands.size() > 2) return UsageError(err, "--csv acepta a lo sumo ENTRADA y SALIDA");
        return RunCsv(operands, *tables, console);
    }
    const std::string_view amountName = grossUp ? "NETO" : "BASE";
    if (operands.size() < 2 || operands.size() > 3) {
        return UsageError(err, "se esperan PERIODO, " + std::string(amountName) +
                                   " y, opcionalmente, SUMA_SUBSIDIO");
    }

    const std::string_view subsidySum = operands.size() == 3 ? operands[2] : "";
    const auto read = ReadCalculationInput(operands[0], operands[1], subsidySum);
    if (const auto* error = std::get_if<InputError>(&read)) {
        return UsageError(err, InputMessage(*error, operands, amountName));
    }
    const auto& input = std::get<CalculationInput>(read);
    std::optional<SingleCalculation> found;
    if (grossUp) {
        found = GrossUpSingle(*tables, input, operands[1], subsidySum);
        if (!found) {
            // The arguments are right: the usage would not help.
            std::string message = "NETO ";
            AppendBeyondTables(message, *tables, input);
            err << "isr2016-cli: " << message << ": " << QuotedArgument(operands[1]) << '\n';
            return kExitUsage;
        }
    } else {
        found = CalculateSingle(*tables, input, operands[1], subsidySum);
    }
    auto& calc = *found;
    // Named in the output only when the user chose them: without --tablas nothing changes.
    if (tablesName) calc.tablesName = tables->Name();
    if (json) {
        WriteJson(calc, out);
    } else {
        WriteText(calc, out);
    }
    return kExitOk;
}

}  // namespace isr::cli
