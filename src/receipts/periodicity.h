// SPDX-License-Identifier: MIT
// How often a receipt says its wages are paid: the SAT's catalogue c_PeriodicidadPago, which
// payroll 1.2 writes as a code and 1.1 left as free text (a code, or a name in any case).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace isr {

enum class Periodicity : std::uint8_t {
    kDiario = 1,
    kSemanal = 2,
    kCatorcenal = 3,
    kQuincenal = 4,
    kMensual = 5,
    kBimestral = 6,
    kUnidadObra = 7,
    kComision = 8,
    kPrecioAlzado = 9,
    kDecenal = 10,
    kOtra = 99,
};

// The catalogue's two-digit code ("04").
std::string_view PeriodicityCode(Periodicity periodicity);

// A 1.2 receipt's code; nothing for a text outside the catalogue.
std::optional<Periodicity> PeriodicityOfCode(std::string_view text);

// A 1.1 receipt's free text: a catalogue code, or a name in any case ("Quincenal", "SEMANAL");
// any other text is kOtra, which the catalogue itself offers for a periodicity it does not name.
Periodicity PeriodicityOfText(std::string_view text);

}  // namespace isr
