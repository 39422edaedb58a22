// SPDX-License-Identifier: MIT
#include "tariffs/program_tables.h"

#include "tariffs/program_table_text.h"
#include "tariffs/table_checks.h"

namespace isr {

constexpr TableSet kProgramTables{kProgramTableText};

static_assert(table_checks::EveryCheckHolds(kProgramTables));

}  // namespace isr
