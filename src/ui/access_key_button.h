// SPDX-License-Identifier: MIT
// A push button whose access key (Alt and the underlined letter) does what a mouse click does:
// the focus moves to the button first, so the field being left is formatted before the click
// runs. Qt's own mnemonic clicks without moving the focus.
#pragma once

#include <QPushButton>

namespace isr {

class AccessKeyButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    bool event(QEvent* event) override;
};

}  // namespace isr
