// SPDX-License-Identifier: MIT
// Creating the window's controls in their place from the geometry table.
#pragma once

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <optional>
#include <string_view>

#include "ui/click_label.h"
#include "ui/link_label.h"
#include "ui/shape_widget.h"
#include "ui/svg_image.h"

namespace isr {

// Names the widget and puts it where the geometry table says, converted to pixels.
void Place(QWidget* widget, std::string_view name);

// A regular, left-aligned, one-line, transparent label in the palette's text colour, changed by
// chaining: LabelLook().Bold().Coloured(red).
struct LabelLook {
    bool bold = false;
    bool underline = false;
    std::optional<QColor> colour;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool autoSize = true;  // one line, the label as large as it; otherwise wrapped within the box
    bool opaque = false;   // filled with the button face instead of showing what lies beneath

    LabelLook Bold() const { return With(&LabelLook::bold, true); }
    LabelLook Underlined() const { return With(&LabelLook::underline, true); }
    LabelLook Coloured(const QColor& c) const { return With(&LabelLook::colour, c); }
    LabelLook Aligned(Qt::Alignment a) const { return With(&LabelLook::alignment, a); }
    LabelLook Wrapping() const { return With(&LabelLook::autoSize, false); }
    LabelLook Opaque() const { return With(&LabelLook::opaque, true); }

  private:
    template <class Member, class Value>
    LabelLook With(Member member, const Value& value) const {
        LabelLook look = *this;
        look.*member = value;
        return look;
    }
};

template <class Label = QLabel>
Label* AddLabel(QWidget* parent, std::string_view name, const QString& caption,
                const LabelLook& look);

LinkLabel* AddLink(QWidget* parent, std::string_view name, const QString& caption,
                   const LabelLook& look);

// A right-aligned text box holding "0": an entry field or a result box.
template <class Box>
Box* AddTextBox(QWidget* parent, std::string_view name) {
    auto* box = new Box(parent);
    Place(box, name);
    box->setText(QStringLiteral("0"));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

ShapeWidget* AddShape(QWidget* parent, std::string_view name, std::optional<QColor> border,
                      std::optional<QColor> fill);

// An etched separator's half: a line of one colour.
ShapeWidget* AddLine(QWidget* parent, std::string_view name, const QColor& colour);

SvgImage* AddImage(QWidget* parent, std::string_view name, const QString& resource);

QString ToQString(std::string_view text);

}  // namespace isr
