// SPDX-License-Identifier: MIT
// A result box: read-only, its text can take the focus and be selected but never be typed into.
// Qt's read-only line edit refuses keys, yet it tells input methods that it takes their text and
// then inserts what they commit (Qt 6.4); this one takes none.
//
// A box keeps its place and size whatever figure it shows: a figure wider than the box would
// scroll, hiding its sign and leading digits, so it is drawn in a smaller font instead.
#pragma once

#include <QFont>
#include <QLineEdit>

namespace isr {

class ResultLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit ResultLineEdit(QWidget* parent);

    // The font figures show in when they fit; its unset attributes follow the parent's, as a
    // font set on any widget does.
    void SetFigureFont(const QFont& font);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // Input methods also ask through this one, by name; it hides the line edit's.
    Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const;

  protected:
    void inputMethodEvent(QInputMethodEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The figure font, or the largest smaller one the whole text fits in.
    void FitText();
    // The width the text may take without scrolling, in pixels.
    qreal TextRoom() const;

    QFont figureFont_;
};

}  // namespace isr
