// SPDX-License-Identifier: MIT
// Random user actions on frmMain, from a fixed starting value of the random generator, so a run
// can be repeated exactly.
#pragma once

#include <QString>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "monkey_event.h"

namespace isr {

class MonkeyGenerator {
  public:
    enum class Popup { None, PeriodList, ContextMenu };

    explicit MonkeyGenerator(std::uint64_t start);

    // The next action; while a popup is open, mostly keys and clicks meant for it.
    MonkeyEvent Next(Popup popup);

  private:
    MonkeyEvent AnyKey();
    MonkeyEvent SeveralCharacters();
    MonkeyEvent InputMethod();
    MonkeyEvent PopupKey();
    MonkeyEvent MenuItem();
    MonkeyEvent Paste();
    MonkeyEvent Click(const std::string& target);
    MonkeyEvent Drag();
    MonkeyEvent Wheel();
    QString ClipboardText();
    QString Digits(int count);
    QString Junk(int length);
    const std::string& EntryOrAnyControl();
    QPointF AnyPoint();
    int Below(int n);
    bool Chance(double p);
    const std::string& AnyControl();

    std::mt19937_64 random_;
    std::vector<std::string> controls_;
};

}  // namespace isr
