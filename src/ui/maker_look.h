// SPDX-License-Identifier: MIT
// How the maker's content looks wherever the window shows it: the pictures, drawn as SVG in the
// program's resources, and the styles of the slogan and the web-address links.
#pragma once

#include <QColor>
#include <QString>
#include <array>

#include "ui/controls.h"

namespace isr {

inline const QString kIconResource = QStringLiteral(":/icons/isr2016.svg");
inline const QString kLogoResource = QStringLiteral(":/maker/logo.svg");  // 200 x 50
// The picture of product k: 43 x 43 for the featured one, 64 x 64 for product 1 (shown scaled
// down to 32 x 32), 32 x 32 for the others.
inline const std::array<QString, 5> kProductResources = {
    QStringLiteral(":/maker/product0.svg"), QStringLiteral(":/maker/product1.svg"),
    QStringLiteral(":/maker/product2.svg"), QStringLiteral(":/maker/product3.svg"),
    QStringLiteral(":/maker/product4.svg"),
};

inline const QColor kSloganColour{0x38, 0x4E, 0xAF};
inline const LabelLook kWebAddressLook =
    LabelLook().Bold().Underlined().Coloured(QColor(0x00, 0x00, 0xC0));

}  // namespace isr
