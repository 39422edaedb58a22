// SPDX-License-Identifier: MIT
#include "tariffs/table_sets.h"

#include <array>

#include "money/text_helpers.h"
#include "tariffs/anexo8_tables.h"
#include "tariffs/program_tables.h"

namespace isr {

namespace {

constexpr std::array<const TableSet*, 2> kTableSets = {&kProgramTables, &kAnexo8Tables};

}  // namespace

std::span<const TableSet* const> AllTableSets() {
    return kTableSets;
}

const TableSet& DefaultTableSet() {
    return *kTableSets.front();
}

const TableSet* FindTableSet(std::string_view name) {
    for (const TableSet* set : kTableSets) {
        if (EqualsIgnoringAsciiCase(set->Name(), name)) return set;
    }
    return nullptr;
}

}  // namespace isr
