// SPDX-License-Identifier: MIT
// What the program sets up once, before its window: identity, look, fonts and pictures.
#pragma once

#include <QApplication>
#include <variant>

#include "tariffs/table_set.h"

namespace isr {

inline constexpr const char* kDesktopFileName = "org.example.isr2016";

// Qt's own texts (a text box's context menu, the headings of --help) in Spanish, from Debian's
// qt6-translations-l10n; they stay in English where it is missing.
void LoadQtTranslations(QCoreApplication& app);

// Qt's Spanish texts; the Fusion style with its own palette, so the design's colours read the same
// on every desktop theme; the substitute fonts; the application's name, version, desktop id and
// icon; the accessible interfaces of the window's own controls.
void SetUpApplication(QApplication& app);

// Puts a top-level window in the middle of its screen's available area.
void CentreOnScreen(QWidget& window);

// The table set the window calculates with: the one named by "--tablas NAME" on the command line,
// the default set without it. Or the status the program ends with instead: 0 once --help or
// --version is answered, 2 when that answer could not be written, or after saying why on the
// standard error, for an unknown option, an argument the window does not take or a set the
// program does not have. Needs only a QCoreApplication, so that it can run before there is any
// display.
std::variant<const TableSet*, int> TableSetFromCommandLine(const QCoreApplication& app);

}  // namespace isr
