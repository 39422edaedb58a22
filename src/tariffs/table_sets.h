// SPDX-License-Identifier: MIT
// The table sets the program knows, by name.
#pragma once

#include <span>
#include <string_view>

#include "tariffs/table_set.h"

namespace isr {

// The default set first.
std::span<const TableSet* const> AllTableSets();

const TableSet& DefaultTableSet();

// The set of a name in any case ("programa", "ANEXO8"); nothing for any other text.
const TableSet* FindTableSet(std::string_view name);

}  // namespace isr
