// SPDX-License-Identifier: MIT
#include "ui/nav_bar.h"

#include <string>

#include "ui/system_colours.h"

namespace isr {

namespace {

std::string Indexed(const char* array, std::size_t index) {
    return std::string(array) + "(" + std::to_string(index) + ")";
}

}  // namespace

NavBar BuildNavBar(QWidget* window) {
    NavBar bar;
    const QColor white(0xFF, 0xFF, 0xFF);
    bar.shapeBtn[0] = AddShape(window, "shapeBtn(0)", ButtonShadow(), white);
    bar.shapeBtn[1] = AddShape(window, "shapeBtn(1)", ButtonShadow(), QColor(0xE3, 0xE3, 0xE3));
    bar.shapeBtn[2] = AddShape(window, "shapeBtn(2)", ButtonShadow(), std::nullopt);
    bar.Shape1 = AddShape(window, "Shape1", ButtonShadow(), std::nullopt);

    const QString captions[] = {QStringLiteral("Cálculo"), QStringLiteral("Tarifas"),
                                QStringLiteral("Productos y Servicios")};
    const LabelLook looks[] = {
        LabelLook().Bold().Aligned(Qt::AlignHCenter).Wrapping(),
        LabelLook().Aligned(Qt::AlignHCenter).Wrapping(),
        LabelLook().Bold().Coloured(QColor(0xC0, 0x00, 0x00)).Aligned(Qt::AlignHCenter).Wrapping(),
    };
    for (std::size_t k = 0; k < bar.picBtn.size(); ++k) {
        bar.picBtn[k] = new ClickBox(window);
        Place(bar.picBtn[k], Indexed("picBtn", k));
        bar.picBtn[k]->SetBackground(k == 0 ? ButtonFace() : white);
        bar.lblBtn[k] =
            AddLabel<ClickLabel>(bar.picBtn[k], Indexed("lblBtn", k), captions[k], looks[k]);
    }
    return bar;
}

}  // namespace isr
