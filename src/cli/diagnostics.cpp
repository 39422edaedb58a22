// SPDX-License-Identifier: MIT
#include "cli/diagnostics.h"

#include <ostream>

#include "cli/exit_status.h"

namespace isr::cli {

std::ostream& Message(std::ostream& err) {
    return err << kMessagePrefix;
}

int UsageError(std::ostream& err, std::string_view problem) {
    Message(err) << problem << "\nPruebe \"isr2016-cli --help\" para más información.\n";
    return kExitUsage;
}

}  // namespace isr::cli
