// SPDX-License-Identifier: MIT
#include "ui/tariffs_panel.h"

#include <QFontMetricsF>

#include "presentation/tariff_listing.h"
#include "ui/fonts.h"
#include "ui/maker_content.h"
#include "ui/maker_look.h"

namespace isr {

TariffsPanel BuildTariffsPanel(QWidget* frame, const TableSet& tables) {
    TariffsPanel panel;
    AddImage(frame, "Image2", kLogoResource);
    AddLabel(frame, "lbl(24)", ToQString(maker::kSlogan), LabelLook().Coloured(kSloganColour));
    panel.lbllink3 = AddLink(frame, "lbllink(3)", ToQString(maker::kHost), kWebAddressLook);
    const QColor black(0x00, 0x00, 0x00);
    AddLabel(frame, "lbl(25)", QStringLiteral("Productos y Servicios sobre:"),
             LabelLook().Bold().Coloured(black));
    AddLabel(frame, "lbl(26)", ToQString(maker::kServiceAreas),
             LabelLook().Coloured(black).Wrapping());

    auto* text = new QPlainTextEdit(frame);
    Place(text, "Text1");
    text->setFont(ListingFont());
    // Tab stops every eight characters, where the listing's columns start.
    text->setTabStopDistance(
        QFontMetricsF(text->font()).horizontalAdvance(QString(kListingTabWidth, QLatin1Char(' '))));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setPlainText(QString::fromStdString(TariffListing(tables)));
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    panel.Text1 = text;
    return panel;
}

}  // namespace isr
