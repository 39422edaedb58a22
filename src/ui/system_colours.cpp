// SPDX-License-Identifier: MIT
#include "ui/system_colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace isr {

QColor ButtonFace() {
    return QGuiApplication::palette().color(QPalette::Button);
}

QColor ButtonShadow() {
    return QGuiApplication::palette().color(QPalette::Dark);
}

QColor ButtonHighlight() {
    return QGuiApplication::palette().color(QPalette::Light);
}

}  // namespace isr
