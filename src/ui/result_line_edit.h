// SPDX-License-Identifier: MIT
// A result box: read-only, its text can take the focus and be selected but never be typed into.
// Qt's read-only line edit refuses keys, yet it tells input methods that it takes their text and
// then inserts what they commit (Qt 6.4); this one takes none.
#pragma once

#include <QLineEdit>

namespace isr {

class ResultLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit ResultLineEdit(QWidget* parent);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // Input methods also ask through this one, by name; it hides the line edit's.
    Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const;

  protected:
    void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace isr
