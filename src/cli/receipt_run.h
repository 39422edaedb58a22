// SPDX-License-Identifier: MIT
// isr2016-cli --recibos: the audit of CFDI payroll receipts, from files, folders and ZIP packages,
// into a CSV report.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/command_line.h"
#include "money/cents.h"
#include "tariffs/table_set.h"

namespace isr::cli {

struct ReceiptOptions {
    const TableSet* tables;  // the published ones unless --tablas names others
    Cents tolerance;
    bool summary = false;
    std::optional<std::string> output;  // --salida; standard output without it
    std::vector<std::string> paths;
    bool annual = false;  // --ejercicio: the employees' years instead of the audit's report
    bool months = false;  // --meses, with --ejercicio
};

// Whether the arguments ask for the receipts' audit (--recibos before any "--").
bool AsksForReceipts(std::span<const std::string_view> args);

// The options of --recibos, or what is wrong with them.
std::variant<ReceiptOptions, std::string> ReadReceiptOptions(
    std::span<const std::string_view> args);

// Exit 0 when every receipt agrees, 1 when some differ or were not audited, 2 when a path can't
// be read or the report can't be written.
int RunReceipts(const ReceiptOptions& options, const Console& console);

}  // namespace isr::cli
