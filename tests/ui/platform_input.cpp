// SPDX-License-Identifier: MIT
#include "platform_input.h"

#include <QApplication>
#include <QDropEvent>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QWindow>

namespace isr {

bool DropText(QWidget& window, QPoint at, const QString& text) {
    QMimeData data;
    data.setText(text);
    QWindow* handle = window.windowHandle();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted()) QApplication::sendEvent(handle, &move);
    if (!enter.isAccepted() || !move.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(handle, &leave);
        return false;
    }
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &drop);
    return drop.isAccepted();
}

void SendInputMethod(const QString& preedit, const QString& commit, int replaceFrom,
                     int replaceLength) {
    // Only to a focus widget that takes input-method text, as the platform asks first.
    QObject* focus = QGuiApplication::focusObject();
    if (!focus || !QInputMethod::queryFocusObject(Qt::ImEnabled, {}).toBool()) return;
    if (!preedit.isEmpty()) {
        QInputMethodEvent composing(preedit, {});
        QApplication::sendEvent(focus, &composing);
    }
    if (commit.isEmpty() && replaceLength == 0) return;  // still composing
    QInputMethodEvent committing;
    committing.setCommitString(commit, replaceFrom, replaceLength);
    QApplication::sendEvent(focus, &committing);
}

}  // namespace isr
