// SPDX-License-Identifier: MIT
#include "cli/days_output.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "batch/calculation_input.h"
#include "batch/quoted_argument.h"
#include "calc/days_gross_up.h"
#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/single_calculation.h"
#include "money/amount_text.h"
#include "presentation/box_labels.h"
#include "presentation/box_text.h"
#include "presentation/days_text.h"

namespace isr::cli {

namespace {

// With --neto: the target as typed, rounded, what the base found nets and whether that is it.
struct DaysNet {
    std::string target;
    Cents net;
    bool exact;
};

struct DaysCalculation {
    std::string days;  // as typed
    std::string base;  // "#,0.00"
    std::string_view tablesName;
    DaysPaidResult result;
    std::optional<DaysNet> net;
};

// Why the days cannot be calculated, naming the text given.
std::string DaysMessage(DaysProblem problem, DaysMethod method, const TableSet& tables,
                        std::string_view days) {
    std::string message;
    switch (problem) {
        case DaysProblem::kOutOfRange:
            message = "--dias fuera de rango: con --metodo ";
            message += DaysMethodName(method);
            message += ", " + DaysRangeText(method);
            break;
        case DaysProblem::kNoTable:
            message = "--dias sin tabla: " + NoDaysTableText(tables) +
                      "; use --tablas anexo8 o --metodo mensual";
            break;
        case DaysProblem::kBeyondAmount:
            message = "BASE fuera de rango: llevada a un mes pasa de ";
            message += AmountText(Cents::Largest()).View();
            break;
    }
    return message + ": " + QuotedArgument(days);
}

void WriteText(const DaysCalculation& calc, std::ostream& out) {
    const DaysPaidResult& r = calc.result;
    if (!calc.tablesName.empty()) CaptionLine(out, "Tablas", calc.tablesName);
    CaptionLine(out, "Días Pagados", calc.days);
    CaptionLine(out, "Método", DaysMethodName(r.method));
    if (calc.net) CaptionLine(out, "Neto Buscado", calc.net->target);
    CaptionLine(out, "Ingreso Gravable", calc.base);
    if (r.monthlyBase) CaptionLine(out, "Ingreso Mensual", AmountText(*r.monthlyBase));
    const FigureSection* section = nullptr;
    for (const auto& box : kBoxLabels) {
        if (box.section == &kResultSection) continue;  // the result is the period's, below
        if (box.section != section) {
            section = box.section;
            out << '\n' << section->heading << '\n';
        }
        CaptionLine(out, box.caption, BoxText(r.withholding, box.box));
    }
    out << '\n';
    CaptionLine(out, "ISR del Periodo", AmountText(r.periodTax));
    CaptionLine(out, "Subsidio del Periodo", AmountText(r.periodSubsidy));
    CaptionLine(out, "Procedimiento 2016", AmountText(r.result));
    if (calc.net) {
        out << '\n';
        CaptionLine(out, "Neto", AmountText(calc.net->net));
        CaptionLine(out, "Exacto", calc.net->exact ? "sí" : "no");
    }
}

void WriteJson(const DaysCalculation& calc, std::ostream& out) {
    const DaysPaidResult& r = calc.result;
    // Every value is a name, a days text of digits and "." or an amount text: none needs escaping.
    out << '{';
    if (!calc.tablesName.empty()) out << "\"tablas\":\"" << calc.tablesName << "\",";
    out << "\"dias\":\"" << calc.days << "\",\"metodo\":\"" << DaysMethodName(r.method)
        << "\",\"ingreso_gravable\":\"" << calc.base << '"';
    if (r.monthlyBase) out << ",\"ingreso_mensual\":\"" << AmountText(*r.monthlyBase).View() << '"';
    std::string_view group;
    for (const auto& box : kBoxLabels) {
        if (box.section == &kResultSection) continue;
        const std::string_view boxGroup = box.section->jsonGroup;
        out << (boxGroup != group ? (group.empty() ? ",\"" : "},\"") : ",");
        if (boxGroup != group) {
            group = boxGroup;
            out << group << "\":{";
        }
        out << '"' << box.jsonKey << "\":\"" << BoxText(r.withholding, box.box).View() << '"';
    }
    out << "},\"isr_periodo\":\"" << AmountText(r.periodTax).View() << "\",\"subsidio_periodo\":\""
        << AmountText(r.periodSubsidy).View() << "\",\"procedimiento_2016\":\""
        << AmountText(r.result).View() << '"';
    if (calc.net) {
        out << ",\"neto_buscado\":\"" << calc.net->target << "\",\"neto\":\""
            << AmountText(calc.net->net).View()
            << "\",\"exacto\":" << (calc.net->exact ? "true" : "false");
    }
    out << "}\n";
}

}  // namespace

int RunDaysPaid(const Options& options, std::ostream& out, std::ostream& err) {
    const TableSet& tables = *options.tables;
    const std::string_view daysText = *options.days;
    DaysMethod method = DaysMethod::kTabla;
    if (options.method) {
        const auto found = FindDaysMethod(*options.method);
        if (!found) {
            return UsageError(err, "--metodo desconocido: " + QuotedArgument(*options.method) +
                                       " (tabla o mensual)");
        }
        method = *found;
    }
    const auto days = ReadDaysPaid(daysText);
    if (!days) {
        return UsageError(err,
                          "--dias no es un número de días (sin signo, hasta tres "
                          "decimales): " +
                              QuotedArgument(daysText));
    }
    const bool grossUp = options.mode == Mode::kGrossUp;
    const std::string_view baseText = options.operands[0];
    const TypedAmount base = ReadAmount(baseText);
    if (base.kind != TypedAmount::Kind::kAmount || base.cents < Cents()) {
        std::string message = grossUp ? "NETO " : "BASE ";
        AppendProblem(message,
                      {InputField::kAmount, base.kind == TypedAmount::Kind::kNotAnAmount
                                                ? InputProblem::kNotAnAmount
                                            : base.cents < Cents() ? InputProblem::kNegative
                                                                   : InputProblem::kBeyondRange});
        return UsageError(err, message + ": " + QuotedArgument(baseText));
    }
    const std::string_view tablesName = options.tablesChosen ? tables.Name() : std::string_view();
    std::optional<DaysCalculation> calc;
    if (grossUp) {
        const auto outcome = GrossUpDays(tables, *days, method, base.cents);
        if (const auto* problem = std::get_if<DaysProblem>(&outcome)) {
            return UsageError(err, DaysMessage(*problem, method, tables, daysText));
        }
        const auto& found = std::get<std::optional<DaysGrossUpResult>>(outcome);
        if (!found) {
            // The arguments are right: the usage would not help.
            Message(err) << "NETO más allá de las tablas de " << daysText
                         << " días: " << QuotedArgument(baseText) << '\n';
            return kExitUsage;
        }
        calc = DaysCalculation{
            std::string(daysText), AmountText(found->base).String(), tablesName, found->calculation,
            DaysNet{RoundedAmountText(baseText).value_or(""), found->net, found->exact}};
    } else {
        const auto outcome = CalculateDaysPaid(tables, *days, method, base.cents);
        if (const auto* problem = std::get_if<DaysProblem>(&outcome)) {
            return UsageError(
                err, DaysMessage(*problem, method, tables,
                                 *problem == DaysProblem::kBeyondAmount ? baseText : daysText));
        }
        calc = DaysCalculation{std::string(daysText), RoundedAmountText(baseText).value_or(""),
                               tablesName, std::get<DaysPaidResult>(outcome), std::nullopt};
    }
    if (options.json) {
        WriteJson(*calc, out);
    } else {
        WriteText(*calc, out);
    }
    return kExitOk;
}

}  // namespace isr::cli
