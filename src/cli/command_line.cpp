// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "batch/calculation_input.h"
#include "batch/quoted_argument.h"
#include "cli/annual_run.h"
#include "cli/csv_command.h"
#include "cli/days_output.h"
#include "cli/descriptor_output.h"
#include "cli/diagnostics.h"
#include "cli/help.h"
#include "cli/options.h"
#include "cli/payment_output.h"
#include "cli/receipt_run.h"
#include "cli/single_calculation.h"
#include "tariffs/periods.h"

namespace isr::cli {

namespace {

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
        message += " (" + ListedWithOr(kPeriodNames) + ')';
    }
    return message;
}

// Every mode ends here: what it wrote is flushed, and a failure is said rather than ignored.
int Finished(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    if (out) return status;
    Message(err) << WriteFailure(out) << '\n';
    return kExitUsage;
}

int RunPayment(const Options& options, std::ostream& out, std::ostream& err) {
    std::string problem;
    auto calc = PaymentFromArguments(*options.tables, options.operands,
                                     options.minimumWage.value_or(""), problem);
    if (!calc) return UsageError(err, problem);
    if (options.tablesChosen) calc->tablesName = options.tables->Name();
    if (options.json) {
        WritePaymentJson(*calc, out);
    } else {
        WritePaymentText(*calc, out);
    }
    return Finished(out, err, kExitOk);
}

// PERIODO BASE [SUMA_SUBSIDIO], or with --neto PERIODO NETO [SUMA_SUBSIDIO].
int RunCalculation(const Options& options, std::ostream& out, std::ostream& err) {
    const auto& operands = options.operands;
    const auto& tables = *options.tables;
    const bool grossUp = options.mode == Mode::kGrossUp;
    const std::string_view amountName = grossUp ? "NETO" : "BASE";
    const std::string_view subsidySum = operands.size() == 3 ? operands[2] : "";
    const auto read =
        ReadCalculationInput(tables, grossUp ? AmountRole::kTargetNet : AmountRole::kBase,
                             operands[0], operands[1], subsidySum);
    if (const auto* error = std::get_if<InputError>(&read)) {
        if (error->problem == InputProblem::kBeyondTariff) {
            // The arguments are well formed, as with a net beyond the tables: no pointer to help.
            Message(err) << InputMessage(*error, operands, amountName) << '\n';
            return kExitUsage;
        }
        return UsageError(err, InputMessage(*error, operands, amountName));
    }
    const auto& input = std::get<CalculationInput>(read);
    std::optional<SingleCalculation> found;
    if (grossUp) {
        found = GrossUpSingle(tables, input, operands[1], subsidySum);
        if (!found) {
            // The arguments are right: the usage would not help.
            std::string message = "NETO ";
            AppendBeyondTables(message, tables, input);
            Message(err) << message << ": " << QuotedArgument(operands[1]) << '\n';
            return kExitUsage;
        }
    } else {
        found = CalculateSingle(tables, input, operands[1], subsidySum);
    }
    auto& calc = *found;
    // Named in the output only when the user chose them: without --tablas nothing changes.
    if (options.tablesChosen) calc.tablesName = tables.Name();
    if (options.json) {
        WriteJson(calc, out);
    } else {
        WriteText(calc, out);
    }
    return Finished(out, err, kExitOk);
}

}  // namespace

int Run(std::span<const std::string_view> args, const Console& console) {
    auto& out = console.out;
    auto& err = console.err;
    if (AsksForReceipts(args)) {
        const auto receipts = ReadReceiptOptions(args);
        if (const auto* problem = std::get_if<std::string>(&receipts))
            return UsageError(err, *problem);
        return RunReceipts(std::get<ReceiptOptions>(receipts), console);
    }
    const auto read = ReadArguments(args);
    if (const auto* problem = std::get_if<UsageProblem>(&read)) {
        return UsageError(err, problem->text);
    }
    if (const auto* request = std::get_if<Request>(&read)) {
        if (*request == Request::kHelp) {
            WriteHelp(out);
        } else {
            out << "isr2016-cli " << ISR2016_VERSION << '\n';
        }
        return Finished(out, err, kExitOk);
    }
    const auto& options = std::get<Options>(read);
    switch (options.mode) {
        case Mode::kPayment:
            return RunPayment(options, out, err);
        case Mode::kCsv:
            // The batch checks its own output: it may be a file of its own.
            return RunCsv(options.operands, *options.tables, options.summary, console);
        case Mode::kAnnual:
            return RunAnnual(options.operands, *options.tables, options.summary,
                             {.months = options.months}, console);
        case Mode::kCalculation:
        case Mode::kGrossUp:
            if (options.days) return Finished(out, err, RunDaysPaid(options, out, err));
            break;
    }
    return RunCalculation(options, out, err);
}

}  // namespace isr::cli
