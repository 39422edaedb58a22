// SPDX-License-Identifier: MIT
#include "money/written_name.h"

#include <gtest/gtest.h>

#include <string>

namespace isr {
namespace {

TEST(SameWrittenName, OnlyCaseAccentsBlanksAndWordMarksMayDiffer) {
    struct Case {
        std::string written;
        std::string name;
        bool same;
    };
    const Case cases[] = {
        {"periodo", "periodo", true},
        {"PERIODO", "periodo", true},
        {"Periodo ", "periodo", true},
        {"\t periodo", "periodo", true},
        {"período", "periodo", true},
        {"PERÍODO", "periodo", true},
        {"Ingreso Gravable", "ingreso_gravable", true},
        {"ingreso-gravable", "ingreso_gravable", true},
        {"ingreso  _ gravable", "ingreso_gravable", true},
        {"Prima Vacacional", "prima-vacacional", true},
        {"prima_vacacional", "prima-vacacional", true},
        {"Salario Mínimo", "salario_minimo", true},
        {"pingüino", "pinguino", true},
        {"ingresogravable", "ingreso_gravable", false},
        {"ingreso gravable x", "ingreso_gravable", false},
        {"periodos", "periodo", false},
        {"period", "periodo", false},
        {"", "periodo", false},
        {"   ", "", true},
        {"pe\xC3", "pe", false},  // a cut UTF-8 sequence is no accent
        {"año", "ano", false},    // only vowels lose their accents
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.written + "\" as \"" + c.name + "\"");
        EXPECT_EQ(SameWrittenName(c.written, c.name), c.same);
    }
}

TEST(TrimBlanks, DropsSpacesAndTabsAroundOnly) {
    EXPECT_EQ(TrimBlanks(" \t1 5\t "), "1 5");
    EXPECT_EQ(TrimBlanks("\n5"), "\n5");
    EXPECT_EQ(TrimBlanks("  "), "");
}

}  // namespace
}  // namespace isr
