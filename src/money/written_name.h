// SPDX-License-Identifier: MIT
// Names as people write them in a spreadsheet or on the command line: a period, a payment concept,
// a column's heading. Matched loosely, never guessed: only case, accents, blanks around the name
// and the mark between its words may differ.
#pragma once

#include <string_view>

namespace isr {

// Whether `written` is `name` but for ASCII case, an accented vowel written for the plain one
// (UTF-8 "á", "É", "ü"), blanks (spaces, tabs) around it, and " ", "_" or "-", one or several,
// between its words: "Ingreso Gravable", " período" and "prima_vacacional" are "ingreso_gravable",
// "periodo" and "prima-vacacional". `name` is ASCII.
bool SameWrittenName(std::string_view written, std::string_view name);

// `text` without the spaces and tabs around it.
std::string_view TrimBlanks(std::string_view text);

}  // namespace isr
