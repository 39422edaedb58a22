// SPDX-License-Identifier: MIT
// The 2016 withholding tariffs, exactly as published: one income-tax tariff per pay period and one
// employment-subsidy table per period except the annual one. These row texts are the only copy of
// the figures in the program; the calculation, the tariff listing and the command line read them.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace isr {

// A tariff table: read-only row texts, fields separated by "|", indexed from 0.
using TariffTable = std::span<const std::string_view>;

inline constexpr std::size_t kRowsPerTable = 11;

// Income-tax rows: lower limit | upper limit | fixed fee | rate in percent.
extern const std::array<std::string_view, kRowsPerTable> tabISR_Men;
extern const std::array<std::string_view, kRowsPerTable> tabISR_Anu;
extern const std::array<std::string_view, kRowsPerTable> tabISR_Sem;
extern const std::array<std::string_view, kRowsPerTable> tabISR_Dec;
extern const std::array<std::string_view, kRowsPerTable> tabISR_Cat;
extern const std::array<std::string_view, kRowsPerTable> tabISR_Qui;

// Employment-subsidy rows: lower limit | upper limit | subsidy for one pay period.
extern const std::array<std::string_view, kRowsPerTable> tabSubEmp_Men;
extern const std::array<std::string_view, kRowsPerTable> tabSubEmp_Sem;
extern const std::array<std::string_view, kRowsPerTable> tabSubEmp_Dec;
extern const std::array<std::string_view, kRowsPerTable> tabSubEmp_Cat;
extern const std::array<std::string_view, kRowsPerTable> tabSubEmp_Qui;

// The tables of a period, chosen by its list position (see periods.h). The annual period has no
// employment-subsidy table: its span is empty.
TariffTable IsrTariffOf(int period);
TariffTable SubsidyTableOf(int period);

}  // namespace isr
