// SPDX-License-Identifier: MIT
// What a failed system call means, said in Spanish as the rest of the program speaks: the C
// library's texts follow the user's locale, and are English on most payroll machines.
#pragma once

#include <string>

namespace isr::cli {

// Own words for the errors a user can act on (a missing file, a permission, a directory, a full
// disk, a read-only file system, a closed pipe...); any other error by its name and number,
// "error del sistema EXDEV (18)".
std::string SystemErrorText(int error);

}  // namespace isr::cli
