// SPDX-License-Identifier: MIT
#include "receipts/periodicity.h"

#include <array>

#include "receipts/receipt_values.h"

namespace isr {

namespace {

struct Named {
    Periodicity periodicity;
    std::string_view code;
    std::string_view name;  // lower case, as the catalogue's description
};

constexpr std::array<Named, 11> kCatalogue{{
    {Periodicity::kDiario, "01", "diario"},
    {Periodicity::kSemanal, "02", "semanal"},
    {Periodicity::kCatorcenal, "03", "catorcenal"},
    {Periodicity::kQuincenal, "04", "quincenal"},
    {Periodicity::kMensual, "05", "mensual"},
    {Periodicity::kBimestral, "06", "bimestral"},
    {Periodicity::kUnidadObra, "07", "unidad obra"},
    {Periodicity::kComision, "08", "comisión"},
    {Periodicity::kPrecioAlzado, "09", "precio alzado"},
    {Periodicity::kDecenal, "10", "decenal"},
    {Periodicity::kOtra, "99", "otra periodicidad"},
}};

// ASCII letters only: the names that matter to the audit have no other.
bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char c = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        if (c != b[i]) return false;
    }
    return true;
}

}  // namespace

std::string_view PeriodicityCode(Periodicity periodicity) {
    for (const auto& named : kCatalogue) {
        if (named.periodicity == periodicity) return named.code;
    }
    return kCatalogue.back().code;  // not reached: every periodicity is in the catalogue
}

std::optional<Periodicity> PeriodicityOfCode(std::string_view text) {
    for (const auto& named : kCatalogue) {
        if (named.code == text) return named.periodicity;
    }
    return std::nullopt;
}

Periodicity PeriodicityOfText(std::string_view text) {
    text = TrimmedValue(text);
    if (const auto coded = PeriodicityOfCode(text)) return *coded;
    for (const auto& named : kCatalogue) {
        if (SameIgnoringCase(text, named.name)) return named.periodicity;
    }
    return Periodicity::kOtra;
}

}  // namespace isr
