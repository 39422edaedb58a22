// SPDX-License-Identifier: MIT
#include "ui/access_key_button.h"

#include <QEvent>

namespace isr {

bool AccessKeyButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
    return QPushButton::event(event);
}

}  // namespace isr
