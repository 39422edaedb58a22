// SPDX-License-Identifier: MIT
#include "ui/result_line_edit.h"

#include <QInputMethodEvent>

namespace isr {

ResultLineEdit::ResultLineEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
}

QVariant ResultLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    return inputMethodQuery(query, QVariant());
}

QVariant ResultLineEdit::inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const {
    if (query == Qt::ImEnabled) return false;
    return QLineEdit::inputMethodQuery(query, std::move(argument));
}

void ResultLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}

}  // namespace isr
