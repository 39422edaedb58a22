// SPDX-License-Identifier: MIT
// The 2016 tables as published by the SAT (Anexo 8), a set to choose instead of the program's own.
#pragma once

#include "tariffs/table_set.h"

namespace isr {

extern const TableSet kAnexo8Tables;

}  // namespace isr
