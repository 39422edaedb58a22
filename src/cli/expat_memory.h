// SPDX-License-Identifier: MIT
// Memory for expat's parsers that keeps the small blocks they free. A parser builds tables of the
// names it meets in each document (an entry per element and attribute name, some ninety in a
// receipt) and frees them all when reset for the next one: through malloc that is a tenth of
// what reading a receipt costs. Here a freed small block waits on a list of its size, per thread,
// for the next document to take it back.
#pragma once

#include <cstddef>

namespace isr::cli {

// expat's XML_Memory_Handling_Suite, whose functions these are.
void* ExpatAllocate(std::size_t size);
void* ExpatReallocate(void* block, std::size_t size);
void ExpatFree(void* block);

}  // namespace isr::cli
