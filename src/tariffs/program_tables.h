// SPDX-License-Identifier: MIT
// The program's own 2016 tables, the default set.
#pragma once

#include "tariffs/table_set.h"

namespace isr {

extern const TableSet kProgramTables;

}  // namespace isr
