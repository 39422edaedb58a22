// SPDX-License-Identifier: MIT
#include "ui/controls.h"

#include <algorithm>

#include "ui/caption_size.h"
#include "ui/control_geometry.h"

namespace isr {

void Place(QWidget* widget, std::string_view name) {
    const ControlGeometry& g = GeometryOf(name);
    widget->setObjectName(ToQString(name));
    widget->setGeometry(TwipsToPixels(g.left), TwipsToPixels(g.top), TwipsToPixels(g.width),
                        std::max(1, TwipsToPixels(g.height)));
}

template <class Label>
Label* AddLabel(QWidget* parent, std::string_view name, const QString& caption,
                const LabelLook& look) {
    auto* label = new Label(parent);
    Place(label, name);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setWordWrap(!look.autoSize);
    label->setAlignment(look.alignment | Qt::AlignTop);
    if (look.bold || look.underline) {
        QFont font;
        font.setBold(look.bold);
        font.setUnderline(look.underline);
        // Only these two attributes: family and size still follow the window.
        font.setResolveMask(QFont::WeightResolved | QFont::UnderlineResolved);
        label->setFont(font);
    }
    QPalette palette = label->palette();
    if (look.colour) palette.setColor(QPalette::WindowText, *look.colour);
    label->setPalette(palette);
    label->setAutoFillBackground(look.opaque);
    if (look.autoSize) SizeToCaption(label);
    return label;
}

template QLabel* AddLabel<QLabel>(QWidget*, std::string_view, const QString&, const LabelLook&);
template ClickLabel* AddLabel<ClickLabel>(QWidget*, std::string_view, const QString&,
                                          const LabelLook&);

LinkLabel* AddLink(QWidget* parent, std::string_view name, const QString& caption,
                   const LabelLook& look) {
    return AddLabel<LinkLabel>(parent, name, caption, look);
}

ShapeWidget* AddShape(QWidget* parent, std::string_view name, std::optional<QColor> border,
                      std::optional<QColor> fill) {
    auto* shape = new ShapeWidget(parent, border, fill);
    Place(shape, name);
    return shape;
}

ShapeWidget* AddLine(QWidget* parent, std::string_view name, const QColor& colour) {
    return AddShape(parent, name, std::nullopt, colour);
}

SvgImage* AddImage(QWidget* parent, std::string_view name, const QString& resource) {
    auto* image = new SvgImage(parent, resource);
    Place(image, name);
    return image;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace isr
