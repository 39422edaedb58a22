// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "batch/calculation_input.h"
#include "batch/csv_reader.h"
#include "batch/payment_input.h"
#include "batch/quoted_argument.h"
#include "cli/batch_progress.h"
#include "cli/csv_batch.h"
#include "cli/descriptor_output.h"
#include "cli/descriptor_source.h"
#include "cli/output_file.h"
#include "cli/payment_output.h"
#include "cli/single_calculation.h"
#include "cli/system_error_text.h"
#include "tariffs/table_sets.h"

namespace isr::cli {

namespace {

// The help, around the paragraph of --tablas, which is made from the table sets.
constexpr std::string_view kHelpBeforeTables =
    R"(Calcula el ISR a retener sobre salarios con las tarifas de 2016.

uso: isr2016-cli [--json] [--tablas NOMBRE] PERIODO BASE [SUMA_SUBSIDIO]
     isr2016-cli --neto [--json] [--tablas NOMBRE] PERIODO NETO [SUMA_SUBSIDIO]
     isr2016-cli --pago [--json] CONCEPTO INGRESO_MENSUAL IMPORTE [DOMINGOS]
     isr2016-cli --csv [--tablas NOMBRE] [--resumen] [ENTRADA [SALIDA]]
     isr2016-cli --help | --version

PERIODO        Mensual, Anual, Semanal, Decenal, Catorcenal o Quincenal
               (sin distinguir mayúsculas y minúsculas).
BASE           ingreso gravable del periodo, escrito como en la ventana:
               12,000.50  7.5  0.  (se redondea a centavos); ni negativo
               ni más allá de la tarifa del periodo (99,999,999.99 mensual y
               anual, 9,999,999.99 en los demás).
NETO           con --neto, el neto buscado: el ingreso gravable menos el
               procedimiento 2016 (ISR y subsidio para el empleo, sin cuotas
               de seguridad social), escrito como BASE.
SUMA_SUBSIDIO  suma del subsidio para el empleo pagado en el año; sólo
               cuenta para el periodo Anual (0 si se omite o está vacía);
               no negativa.

Opciones:
  --json       un objeto JSON con el texto de cada casilla
  --neto       del neto al ingreso gravable: el menor ingreso cuyo neto
               llega a NETO, con su cálculo, el neto que deja y si es NETO
               exacto (con --json, "neto_buscado", "neto" y "exacto"); el
               neto no crece siempre con el ingreso, porque el subsidio baja
               por escalones; admite --tablas como cualquier cálculo
  --pago       la retención de un aguinaldo, una PTU o una prima por los
               dos métodos: el art. 174 del Reglamento (el pago gravado
               llevado a un mes, G / 365 x 30.4, y la tasa que su ISR
               añade, aplicada a todo G) y el art. 96 (G sumado al ingreso
               del mes); la parte exenta es la del art. 93 XIV (aguinaldo
               30 salarios mínimos, PTU y prima vacacional 15, prima
               dominical 1 por domingo), suponiendo que no se ha usado
               nada de la del año; dice qué método retiene menos
  --salario-minimo IMPORTE
               con --pago, el salario mínimo diario de la exención (73.04,
               el de 2016, si se omite)
  --csv        una nómina entera: lee un CSV de ENTRADA y escribe otro en
               SALIDA (entrada y salida estándar si se omiten o son "-")
  --resumen    con --csv, al terminar, en la salida de errores: las filas,
               las filas con error y las sumas de las filas buenas
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
  Un archivo SALIDA se escribe aparte y toma su nombre sólo al terminar: si
  algo falla, el anterior queda como estaba, y ENTRADA y SALIDA pueden ser
  el mismo archivo. Desde una tubería, cada fila sale en cuanto llega.
  Con las columnas concepto, ingreso_mensual e importe (y, si se quiere,
  domingos y salario_minimo), cada fila es un --pago: tras las columnas de
  la entrada vienen las de cada cifra, nombradas como sus claves en --json
  (tope_exento ... art174_retencion ... art96_retencion, menor_retencion);
  no se mezclan con ingreso_gravable ni con neto.

Ejemplos:
  isr2016-cli mensual 3,000.00
  isr2016-cli --neto mensual 7,000.00
  isr2016-cli --pago aguinaldo 10,000.00 5,000.00
  isr2016-cli --csv nomina.csv resultados.csv

Estado de salida:
  0  cálculo hecho (con --csv, todas las filas bien)
  1  con --csv, alguna fila con error (las demás se calcularon)
  2  argumentos incorrectos (periodo desconocido, importe no numérico o
     negativo, opción desconocida o número de argumentos equivocado), una
     BASE más allá de la tarifa o, con --neto, un neto mayor que el de
     cualquier ingreso de las tablas; con --pago, un importe que lleva el
     ingreso más allá de la tarifa mensual; con --csv, una entrada que no se
     pudo leer (vacía, sin encabezado, sin una columna obligatoria, con una
     repetida, con ingreso_gravable y neto a la vez o con columnas de --pago
     entre ellas); en cualquier modo, una salida que no se pudo escribir
)";

bool LooksLikeAmount(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && ((arg[1] >= '0' && arg[1] <= '9') || arg[1] == '.');
}

// The problem on one line, and where to read more on the next.
int UsageError(std::ostream& err, std::string_view problem) {
    err << "isr2016-cli: " << problem << "\nPruebe \"isr2016-cli --help\" para más información.\n";
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
    AppendProblem(message, error);
    message += ": ";
    message += QuotedArgument(operands[position]);
    if (error.field == InputField::kPeriod) {
        message += " (Mensual, Anual, Semanal, Decenal, Catorcenal o Quincenal)";
    }
    return message;
}

int CannotOpen(std::ostream& err, std::string_view path, std::string_view purpose, int error) {
    err << "isr2016-cli: no se puede abrir " << QuotedArgument(path, kQuotedPathCharacters)
        << " para " << purpose << ": " << SystemErrorText(error) << '\n';
    return kExitUsage;
}

// Every mode ends here: what it wrote is flushed, and a failure is said rather than ignored.
int Finished(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    if (out) return status;
    err << "isr2016-cli: " << WriteFailure(out) << '\n';
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

// Closes a descriptor the batch opened.
struct OwnedDescriptor {
    int descriptor = -1;
    ~OwnedDescriptor() {
        if (descriptor >= 0) close(descriptor);
    }
};

// The batch: files named by `operands`, or the standard streams for none or "-" (and
// "/dev/stdout" for the output, which then is the same stream).
// The summary of a finished batch for --resumen: plain counts, and "#,0.00" sums, as a script
// would read them.
void WriteSummary(const BatchLayout& layout, const BatchSummary& summary, std::ostream& err) {
    err << "filas: " << summary.Rows() << '\n' << "filas con error: " << summary.BadRows() << '\n';
    const auto captions = TotalCaptions(layout);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const auto total = summary.Total(i);
        err << captions[i] << ": " << (total ? AmountText(*total).View() : "fuera de rango")
            << '\n';
    }
}

int RunCsv(std::span<const std::string_view> operands, const TableSet& tables, bool withSummary,
           const Console& console) {
    const auto named = [&](std::size_t i) { return operands.size() > i && operands[i] != "-"; };
    const bool namedOutput = named(1) && operands[1] != "/dev/stdout";
    OwnedDescriptor inFile;
    if (named(0)) {
        inFile.descriptor = open(std::string(operands[0]).c_str(), O_RDONLY | O_CLOEXEC);
        if (inFile.descriptor < 0) return CannotOpen(console.err, operands[0], "leer", errno);
    }
    const int inDescriptor = named(0) ? inFile.descriptor : console.inDescriptor;
    const auto input = inDescriptor >= 0 ? IdentityOf(inDescriptor) : std::nullopt;
    // Standard output straight into the file being read (">>" onto it) would read its own rows.
    if (!namedOutput && input && console.outDescriptor >= 0 &&
        IdentityOf(console.outDescriptor) == input) {
        console.err << "isr2016-cli: la salida estándar es el archivo de ENTRADA: escriba los "
                       "resultados en otro archivo, o nómbrelo como SALIDA\n";
        return kExitUsage;
    }
    std::optional<DescriptorSource> descriptorSource;
    std::optional<StreamSource> streamSource;
    ByteSource* source = nullptr;
    if (inDescriptor >= 0) {
        source = &descriptorSource.emplace(inDescriptor);
    } else {
        source = &streamSource.emplace(console.in);
    }
    CsvReader reader(*source);
    const auto layout = ReadBatchHeader(reader, console.err);
    if (!layout) return kExitUsage;

    // Opened only now, so that an unusable input leaves no temporary file either.
    OutputFile outFile;
    if (namedOutput) {
        const std::string path(operands[1]);
        switch (outFile.Open(path, input)) {
            case OutputFile::Opened::kOpened:
                break;
            case OutputFile::Opened::kSameAsInput:
                console.err << "isr2016-cli: " << QuotedArgument(path, kQuotedPathCharacters)
                            << " es el archivo de ENTRADA y se escribiría mientras se lee: "
                               "nombre otra SALIDA\n";
                return kExitUsage;
            case OutputFile::Opened::kFailed:
                return CannotOpen(console.err, path, "escribir", outFile.Error());
        }
    }
    std::optional<ProgressLine> progress;
    if (console.errIsTerminal) progress.emplace(console.err);
    BatchOptions options;
    options.workers = std::max(1u, std::thread::hardware_concurrency());
    options.progress = progress ? &*progress : nullptr;
    options.tables = &tables;
    BatchSummary summary;
    if (withSummary) options.summary = &summary;
    auto& out = namedOutput ? outFile.Stream() : console.out;
    const int status = RunBatch(reader, *layout, out, console.err, options);
    if (status == kExitUsage) return status;
    if (namedOutput && !outFile.Commit()) {
        console.err << "isr2016-cli: no se pudo escribir "
                    << QuotedArgument(operands[1], kQuotedPathCharacters) << ": "
                    << SystemErrorText(outFile.Error()) << '\n';
        return kExitUsage;
    }
    if (withSummary) WriteSummary(*layout, summary, console.err);
    return status;
}

}  // namespace

int Run(std::span<const std::string_view> args, const Console& console) {
    auto& out = console.out;
    auto& err = console.err;
    bool json = false;
    bool csv = false;
    bool grossUp = false;
    bool payment = false;
    bool summary = false;
    bool optionsEnded = false;
    std::optional<std::string_view> tablesName;
    std::optional<std::string_view> minimumWage;
    std::vector<std::string_view> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-" || LooksLikeAmount(arg)) {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            out << kHelpBeforeTables << TablesHelp() << kHelpAfterTables;
            return Finished(out, err, kExitOk);
        } else if (arg == "--version") {
            out << "isr2016-cli " << ISR2016_VERSION << '\n';
            return Finished(out, err, kExitOk);
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--csv") {
            csv = true;
        } else if (arg == "--resumen") {
            summary = true;
        } else if (arg == "--neto") {
            grossUp = true;
        } else if (arg == "--pago") {
            payment = true;
        } else if (arg == "--salario-minimo" || arg.starts_with("--salario-minimo=")) {
            if (arg == "--salario-minimo" && i + 1 == args.size()) {
                return UsageError(err, "--salario-minimo necesita un importe");
            }
            minimumWage = arg == "--salario-minimo"
                              ? args[++i]
                              : arg.substr(std::string_view("--salario-minimo=").size());
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
    if (summary && !csv) return UsageError(err, "--resumen sólo cuenta con --csv");
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
    if (payment || minimumWage) {
        if (!payment) return UsageError(err, "--salario-minimo sólo cuenta con --pago");
        if (csv || grossUp) return UsageError(err, "--pago no se combina con --csv ni con --neto");
        if (operands.size() < 3 || operands.size() > 4) {
            return UsageError(
                err, "se esperan CONCEPTO, INGRESO_MENSUAL, IMPORTE y, opcionalmente, DOMINGOS");
        }
        std::string problem;
        auto calc = PaymentFromArguments(*tables, operands, minimumWage.value_or(""), problem);
        if (!calc) return UsageError(err, problem);
        if (tablesName) calc->tablesName = tables->Name();
        if (json) {
            WritePaymentJson(*calc, out);
        } else {
            WritePaymentText(*calc, out);
        }
        return Finished(out, err, kExitOk);
    }
    if (csv) {
        if (operands.size() > 2) return UsageError(err, "--csv acepta a lo sumo ENTRADA y SALIDA");
        // The batch checks its own output: it may be a file of its own.
        return RunCsv(operands, *tables, summary, console);
    }
    const std::string_view amountName = grossUp ? "NETO" : "BASE";
    if (operands.size() < 2 || operands.size() > 3) {
        return UsageError(err, "se esperan PERIODO, " + std::string(amountName) +
                                   " y, opcionalmente, SUMA_SUBSIDIO");
    }

    const std::string_view subsidySum = operands.size() == 3 ? operands[2] : "";
    const auto read =
        ReadCalculationInput(*tables, grossUp ? AmountRole::kTargetNet : AmountRole::kBase,
                             operands[0], operands[1], subsidySum);
    if (const auto* error = std::get_if<InputError>(&read)) {
        if (error->problem == InputProblem::kBeyondTariff) {
            // The arguments are well formed, as with a net beyond the tables: no pointer to help.
            err << "isr2016-cli: " << InputMessage(*error, operands, amountName) << '\n';
            return kExitUsage;
        }
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
    return Finished(out, err, kExitOk);
}

}  // namespace isr::cli
