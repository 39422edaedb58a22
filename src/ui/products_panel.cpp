// SPDX-License-Identifier: MIT
#include "ui/products_panel.h"

#include <string>

#include "ui/maker_content.h"
#include "ui/maker_look.h"

namespace isr {

namespace {

const QColor kBoxBorder(0xC3, 0xCB, 0xE2);
const QColor kProductColour(0x57, 0x6E, 0xA4);
const QColor kContactColour(0x40, 0x40, 0x40);
const QColor kBlack(0x00, 0x00, 0x00);

// Where product k is shown: its picture, its description and the box around them (the featured
// product has none of its own: it sits on the content area).
struct ProductPlace {
    const char* image;
    const char* description;
    const char* box;
};
constexpr ProductPlace kPlaces[] = {
    {"imgProd(0)", "lblProd(1)", nullptr},         // featured, across the panel
    {"imgProd(2)", "lblProd(0)", "shapeProd(1)"},  // top left
    {"imgProd(1)", "lblProd(2)", "shapeProd(2)"},  // bottom left
    {"imgProd(3)", "lblProd(3)", "shapeProd(3)"},  // top right
    {"imgProd(4)", "lblProd(4)", "shapeProd(4)"},  // bottom right
};

std::string Indexed(const char* array, std::size_t index) {
    return std::string(array) + "(" + std::to_string(index) + ")";
}

void AddHeader(QWidget* frame, ProductsPanel& panel) {
    AddImage(frame, "Image3", kLogoResource);
    AddLabel(frame, "lbl(27)", ToQString(maker::kSlogan), LabelLook().Coloured(kSloganColour));
    panel.lbllink2 = AddLink(frame, "lbllink(2)", ToQString(maker::kHost), kWebAddressLook);
    const LabelLook contact = LabelLook().Coloured(kContactColour).Aligned(Qt::AlignRight);
    AddLabel(frame, "lbl(28)", ToQString(maker::kPhone), contact);
    AddLabel(frame, "lbl(29)", ToQString(maker::kFax), contact);
    AddLabel(frame, "lbl(30)", QStringLiteral("Correo electrónico:"), contact);
    panel.lblProdlink[5] = AddLink(frame, "lblProdlink(5)", ToQString(maker::kSupportAddress),
                                   LabelLook().Bold().Coloured(kBlack));
}

void AddProducts(QWidget* frame, ProductsPanel& panel) {
    for (std::size_t k = 0; k < maker::kProducts.size(); ++k) {
        const ProductPlace& place = kPlaces[k];
        if (place.box) AddShape(frame, place.box, kBoxBorder, std::nullopt);
        AddImage(frame, place.image, kProductResources[k]);
        panel.lblProdlink[k] =
            AddLink(frame, Indexed("lblProdlink", k), ToQString(maker::kProducts[k].name),
                    LabelLook().Bold().Underlined().Coloured(kProductColour));
        AddLabel(frame, place.description, ToQString(maker::kProducts[k].description),
                 LabelLook().Coloured(kProductColour).Wrapping());
    }
}

void AddServices(QWidget* frame) {
    AddLabel(frame, "lblProd(5)", QStringLiteral("SERVICIOS"), LabelLook().Bold().Coloured(kBlack));
    // Left column lblProd(6) to (10) downwards, right column lblProd(15) down to (11).
    const std::size_t half = maker::kServices.size() / 2;
    for (std::size_t i = 0; i < maker::kServices.size(); ++i) {
        const std::size_t index = i < half ? 6 + i : 15 - (i - half);
        AddLabel(frame, Indexed("lblProd", index), ToQString(maker::kServices[i]),
                 LabelLook().Coloured(kBlack));
    }
}

}  // namespace

ProductsPanel BuildProductsPanel(QWidget* frame) {
    ProductsPanel panel;
    // The white content area lies beneath everything else on the panel.
    AddShape(frame, "shapeProd(0)", kBoxBorder, QColor(0xFF, 0xFF, 0xFF));
    AddHeader(frame, panel);
    AddProducts(frame, panel);
    AddServices(frame);
    return panel;
}

}  // namespace isr
