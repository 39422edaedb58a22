// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/descriptor_output.h"

namespace {

// A standard stream the caller closed is held by /dev/null opened the wrong way round, so that a
// file the program opens cannot take its number, and using the stream fails as it should.
void HoldClosedStandardStreams() {
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(descriptor, F_GETFD) >= 0) continue;
        const int held = open("/dev/null", descriptor == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (held >= 0 && held != descriptor) {
            dup2(held, descriptor);
            close(held);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    HoldClosedStandardStreams();
    // A closed pipe is a failed write like any other: said where it can be, and in the exit
    // status. A reader of the messages that goes away must not stop the results.
    signal(SIGPIPE, SIG_IGN);
    // The batch moves large blocks; C stdio's synchronisation would only slow them down.
    std::ios::sync_with_stdio(false);
    // Standard output through a buffer that knows why a write failed.
    isr::cli::DescriptorOutput outBuffer(STDOUT_FILENO);
    std::ostream out(&outBuffer);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const int status = isr::cli::Run(
        args, {std::cin, out, std::cerr, isatty(STDERR_FILENO) == 1, STDIN_FILENO, STDOUT_FILENO});
    // A message or a summary that could not be written is lost output: the run did not succeed,
    // though there is nowhere left to say so.
    std::cerr.flush();
    return std::cerr ? status : std::max(status, isr::cli::kExitUsage);
}
