// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include <getopt.h>

#include <functional>

#include "batch/quoted_argument.h"
#include "cli/help.h"
#include "tariffs/table_sets.h"

namespace isr::cli {

namespace {

// getopt_long's codes for the long options, above every character a short option could be.
enum Code : int {
    kJson = 256,
    kCsv,
    kSummary,
    kGrossUp,
    kPayment,
    kMinimumWage,
    kTables,
    kDays,
    kMethod,
    kVersion,
    kAnnual,
    kMonths,
};

constexpr option kLongOptions[] = {
    {"json", no_argument, nullptr, kJson},
    {"csv", no_argument, nullptr, kCsv},
    {"resumen", no_argument, nullptr, kSummary},
    {"neto", no_argument, nullptr, kGrossUp},
    {"pago", no_argument, nullptr, kPayment},
    {"salario-minimo", required_argument, nullptr, kMinimumWage},
    {"tablas", required_argument, nullptr, kTables},
    {"dias", required_argument, nullptr, kDays},
    {"metodo", required_argument, nullptr, kMethod},
    {"ejercicio", no_argument, nullptr, kAnnual},
    {"meses", no_argument, nullptr, kMonths},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

// "-": operands come back in order, as code 1; ":": a missing value is told apart (code ':').
constexpr char kShortOptions[] = "-:h";

bool LooksLikeAmount(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && ((arg[1] >= '0' && arg[1] <= '9') || arg[1] == '.');
}

// Two modes asked for at once: what is wrong with the pair.
std::string_view ModeConflict(Mode a, Mode b) {
    if (a == Mode::kAnnual || b == Mode::kAnnual) {
        return "--ejercicio no se combina con --csv, --neto ni --pago";
    }
    if (a == Mode::kPayment || b == Mode::kPayment) {
        return "--pago no se combina con --csv ni con --neto";
    }
    return "--csv y --neto no se combinan: una nómina de netos lleva una columna neto";
}

// How many operands each mode takes, and what is said otherwise.
std::optional<std::string> OperandProblem(const Options& options) {
    const auto count = options.operands.size();
    if (options.days) {
        if (count == 1) return std::nullopt;
        return options.mode == Mode::kGrossUp ? "con --dias se espera sólo NETO"
                                              : "con --dias se espera sólo BASE";
    }
    switch (options.mode) {
        case Mode::kCalculation:
        case Mode::kGrossUp:
            if (count >= 2 && count <= 3) return std::nullopt;
            return std::string("se esperan PERIODO, ") +
                   (options.mode == Mode::kGrossUp ? "NETO" : "BASE") +
                   " y, opcionalmente, SUMA_SUBSIDIO";
        case Mode::kPayment:
            if (count >= 3 && count <= 4) return std::nullopt;
            return "se esperan CONCEPTO, INGRESO_MENSUAL, IMPORTE y, opcionalmente, DOMINGOS";
        case Mode::kCsv:
            if (count <= 2) return std::nullopt;
            return "--csv acepta a lo sumo ENTRADA y SALIDA";
        case Mode::kAnnual:
            if (count <= 2) return std::nullopt;
            return "--ejercicio acepta a lo sumo ENTRADA y SALIDA";
    }
    return std::nullopt;
}

// The arguments as getopt_long reads them: C strings, after a program name. An amount such as
// "-5" is hidden as "" so that it stays an operand; every text is mapped back to the argument
// itself, bytes after a NUL included.
class CArguments {
  public:
    explicit CArguments(std::span<const std::string_view> args) : args_(args) {
        texts_.reserve(args.size() + 1);
        texts_.emplace_back("isr2016-cli");
        for (const auto arg : args) texts_.emplace_back(LooksLikeAmount(arg) ? "" : arg);
        for (auto& text : texts_) argv_.push_back(text.data());
        argv_.push_back(nullptr);
    }

    int Count() const { return static_cast<int>(texts_.size()); }
    char** Vector() { return argv_.data(); }

    // The part of the argument `text` points into (all of it, or a value after "="), as the
    // caller holds it: the copies go with this object.
    std::string_view Given(const char* text) const {
        for (std::size_t i = 1; i < texts_.size(); ++i) {
            const char* start = texts_[i].data();
            const std::less<const char*> before;
            if (!before(text, start) && !before(start + texts_[i].size(), text)) {
                return args_[i - 1].substr(static_cast<std::size_t>(text - start));
            }
        }
        return {};
    }

  private:
    std::span<const std::string_view> args_;
    std::vector<std::string> texts_;
    std::vector<char*> argv_;
};

}  // namespace

std::variant<Options, Request, UsageProblem> ReadArguments(std::span<const std::string_view> args) {
    CArguments c(args);
    Options options;
    std::optional<Mode> chosenMode;
    std::optional<std::string_view> conflict;
    std::optional<std::string_view> tablesName;
    const auto choose = [&](Mode mode) {
        if (chosenMode && *chosenMode != mode && !conflict) {
            conflict = ModeConflict(*chosenMode, mode);
        }
        chosenMode = mode;
    };
    optind = 0;  // a scan of its own: the program may run more than once in a process
    opterr = 0;  // the messages are the program's
    for (;;) {
        const int code = getopt_long(c.Count(), c.Vector(), kShortOptions, kLongOptions, nullptr);
        if (code == -1) break;
        switch (code) {
            case 1:
                options.operands.push_back(c.Given(optarg));
                break;
            case 'h':
                return Request::kHelp;
            case kVersion:
                return Request::kVersion;
            case kJson:
                options.json = true;
                break;
            case kSummary:
                options.summary = true;
                break;
            case kCsv:
                choose(Mode::kCsv);
                break;
            case kGrossUp:
                choose(Mode::kGrossUp);
                break;
            case kAnnual:
                choose(Mode::kAnnual);
                break;
            case kMonths:
                options.months = true;
                break;
            case kPayment:
                choose(Mode::kPayment);
                break;
            case kMinimumWage:
                options.minimumWage = c.Given(optarg);
                break;
            case kTables:
                tablesName = c.Given(optarg);
                break;
            case kDays:
                options.days = c.Given(optarg);
                break;
            case kMethod:
                options.method = c.Given(optarg);
                break;
            case ':':
                switch (optopt) {
                    case kTables:
                        return UsageProblem{"--tablas necesita un nombre (" + TableSetNames() +
                                            ")"};
                    case kDays:
                        return UsageProblem{"--dias necesita un número de días"};
                    case kMethod:
                        return UsageProblem{"--metodo necesita un nombre (tabla o mensual)"};
                    default:
                        return UsageProblem{"--salario-minimo necesita un importe"};
                }
            default: {
                // An unknown short option is named by its letter; any other by its argument.
                const bool shortOption = optopt > 0 && optopt < kJson;
                const std::string text = shortOption ? std::string{'-', static_cast<char>(optopt)}
                                                     : std::string(c.Given(c.Vector()[optind - 1]));
                return UsageProblem{"opción desconocida: " + QuotedArgument(text)};
            }
        }
    }
    // What follows "--".
    for (int i = optind; i < c.Count(); ++i) options.operands.push_back(c.Given(c.Vector()[i]));

    if (conflict) return UsageProblem{std::string(*conflict)};
    options.mode = chosenMode.value_or(Mode::kCalculation);
    const bool csvOut = options.mode == Mode::kCsv || options.mode == Mode::kAnnual;
    if (options.summary && !csvOut) {
        return UsageProblem{"--resumen sólo cuenta con --csv o --ejercicio"};
    }
    if (options.months && options.mode != Mode::kAnnual) {
        return UsageProblem{"--meses sólo cuenta con --ejercicio"};
    }
    if (options.json && csvOut) {
        return UsageProblem{options.mode == Mode::kCsv ? "--csv y --json no se combinan"
                                                       : "--ejercicio y --json no se combinan"};
    }
    options.tablesChosen = tablesName.has_value();
    options.tables = tablesName ? FindTableSet(*tablesName) : &DefaultTableSet();
    if (options.tables == nullptr) {
        return UsageProblem{"tablas desconocidas: " + QuotedArgument(*tablesName) + " (" +
                            TableSetNames() + ")"};
    }
    if (options.minimumWage && options.mode != Mode::kPayment) {
        return UsageProblem{"--salario-minimo sólo cuenta con --pago"};
    }
    if (options.method && !options.days) return UsageProblem{"--metodo sólo cuenta con --dias"};
    if (options.days && options.mode != Mode::kCalculation && options.mode != Mode::kGrossUp) {
        return UsageProblem{"--dias no se combina con --pago, --csv ni --ejercicio"};
    }
    if (auto problem = OperandProblem(options)) return UsageProblem{std::move(*problem)};
    return options;
}

}  // namespace isr::cli
