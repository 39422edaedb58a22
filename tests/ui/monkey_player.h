// SPDX-License-Identifier: MIT
// Sends a monkey action to the window as the platform would deliver it: keys and mouse through
// the window's QWindow, so focus, shortcuts and the open popups get them as from a user; drops
// through the window too, input-method events to the focus widget.
#pragma once

#include <QWidget>

#include "monkey_event.h"

namespace isr {

class MonkeyPlayer {
  public:
    explicit MonkeyPlayer(QWidget& window) : window_(window) {}

    void Play(const MonkeyEvent& event) const;

  private:
    void Key(const MonkeyEvent& event) const;
    void Click(const MonkeyEvent& event) const;
    void Drag(const MonkeyEvent& event) const;
    void Wheel(const MonkeyEvent& event) const;
    void SetPeriod(int period) const;
    void PopupItem(int period) const;
    void ContextMenu(const MonkeyEvent& event) const;
    void MenuItem(const QString& item) const;
    QPoint PointIn(const std::string& name, QPointF at) const;

    QWidget& window_;
};

}  // namespace isr
