// SPDX-License-Identifier: MIT
// A file that must not outlive the program: removed if a signal ends the program while it exists.
#pragma once

#include <string>

namespace isr::cli {

// While it exists, `path` is removed on any catchable signal that would end the program (INT,
// TERM, HUP, QUIT, PIPE, ALRM, USR1, XFSZ, ABRT, the real-time signals...) before the program
// dies of that signal. A signal that is ignored or handled elsewhere is left as it is: nohup's
// HUP stays ignored, and a tool's SEGV handler keeps its say. One path at a time.
class RemovalOnSignal {
  public:
    explicit RemovalOnSignal(const std::string& path);
    ~RemovalOnSignal();
    RemovalOnSignal(const RemovalOnSignal&) = delete;
    RemovalOnSignal& operator=(const RemovalOnSignal&) = delete;
};

}  // namespace isr::cli
