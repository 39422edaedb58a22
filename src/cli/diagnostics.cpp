// SPDX-License-Identifier: MIT
#include "cli/diagnostics.h"

#include <ostream>

#include "batch/quoted_argument.h"
#include "cli/exit_status.h"
#include "cli/system_error_text.h"

namespace isr::cli {

std::ostream& Message(std::ostream& err) {
    return err << kMessagePrefix;
}

int UsageError(std::ostream& err, std::string_view problem) {
    Message(err) << problem << "\nPruebe \"isr2016-cli --help\" para más información.\n";
    return kExitUsage;
}

int CannotOpen(std::ostream& err, std::string_view path, std::string_view purpose, int error) {
    Message(err) << "no se puede abrir " << QuotedArgument(path, kQuotedPathCharacters) << " para "
                 << purpose << ": " << SystemErrorText(error) << '\n';
    return kExitUsage;
}

}  // namespace isr::cli
