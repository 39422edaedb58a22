// SPDX-License-Identifier: MIT
#include "monkey_player.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "platform_input.h"

namespace isr {

void MonkeyPlayer::Play(const MonkeyEvent& event) const {
    switch (event.kind) {
        case MonkeyEvent::Kind::Key:
            return Key(event);
        case MonkeyEvent::Kind::Click:
            return Click(event);
        case MonkeyEvent::Kind::Drag:
            return Drag(event);
        case MonkeyEvent::Kind::Wheel:
            return Wheel(event);
        case MonkeyEvent::Kind::SetPeriod:
            return SetPeriod(event.period);
        case MonkeyEvent::Kind::PopupItem:
            return PopupItem(event.period);
        case MonkeyEvent::Kind::Drop:
            DropText(window_, PointIn(event.target, event.at), event.text);
            return;
        case MonkeyEvent::Kind::InputMethod:
            return SendInputMethod(event.preedit, event.text, event.replaceFrom,
                                   event.replaceLength);
        case MonkeyEvent::Kind::ContextMenu:
            return ContextMenu(event);
        case MonkeyEvent::Kind::MenuItem:
            return MenuItem(event.text);
    }
}

// A point of the named control in window coordinates; whatever lies on top there gets the event.
// Outlines reaching past the window's edge are hit on the part inside it.
QPoint MonkeyPlayer::PointIn(const std::string& name, QPointF at) const {
    const auto* widget = window_.findChild<QWidget*>(QString::fromStdString(name));
    if (!widget) return {};
    const QPoint local(static_cast<int>(at.x() * widget->width()),
                       static_cast<int>(at.y() * widget->height()));
    const QPoint point = widget->mapTo(&window_, local);
    return {std::clamp(point.x(), 0, window_.width() - 1),
            std::clamp(point.y(), 0, window_.height() - 1)};
}

void MonkeyPlayer::Key(const MonkeyEvent& event) const {
    if (event.clipboard) QGuiApplication::clipboard()->setText(*event.clipboard);
    QTest::sendKeyEvent(QTest::Click, window_.windowHandle(), event.key, event.text,
                        event.modifiers);
}

void MonkeyPlayer::Click(const MonkeyEvent& event) const {
    const QPoint point = PointIn(event.target, event.at);
    if (event.twice) {
        QTest::mouseDClick(window_.windowHandle(), Qt::LeftButton, event.modifiers, point);
    } else {
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, event.modifiers, point);
    }
}

void MonkeyPlayer::Drag(const MonkeyEvent& event) const {
    const QPoint from = PointIn(event.target, event.at);
    // A drag out of the tariff listing's selected text would start a drag and drop, whose
    // nested event loop waits for a release these synchronous events cannot deliver.
    const QWidget* pressed = window_.childAt(from);
    for (const QWidget* w = pressed; w; w = w->parentWidget()) {
        if (qobject_cast<const QPlainTextEdit*>(w)) {
            QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, from);
            return;
        }
    }
    const QPoint to = PointIn(event.releaseTarget, event.releaseAt);
    QTest::mousePress(window_.windowHandle(), Qt::LeftButton, {}, from);
    QTest::mouseMove(window_.windowHandle(), (from + to) / 2);
    QTest::mouseMove(window_.windowHandle(), to);
    QTest::mouseRelease(window_.windowHandle(), Qt::LeftButton, {}, to);
}

void MonkeyPlayer::Wheel(const MonkeyEvent& event) const {
    const QPoint point = PointIn(event.target, event.at);
    QWidget* under = window_.childAt(point);
    if (!under) under = &window_;
    const QPointF local = under->mapFrom(&window_, QPointF(point));
    QWheelEvent wheel(local, window_.mapToGlobal(QPointF(point)), QPoint(), QPoint(0, event.delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(under, &wheel);
}

// Opens a text box's context menu, where the click lands on one; it opens without waiting.
void MonkeyPlayer::ContextMenu(const MonkeyEvent& event) const {
    if (event.clipboard) QGuiApplication::clipboard()->setText(*event.clipboard);
    QTest::mouseClick(window_.windowHandle(), Qt::RightButton, {}, PointIn(event.target, event.at));
}

// A click on the open menu's item of that text ("&Pegar\tCtrl+V" is "Pegar"); a disabled item
// takes no click.
void MonkeyPlayer::MenuItem(const QString& item) const {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0).remove(u'&') != item) continue;
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                          menu->actionGeometry(action).center());
        return;
    }
}

// What a mouse choice in the list amounts to.
void MonkeyPlayer::SetPeriod(int period) const {
    auto* periods = window_.findChild<QComboBox*>(QStringLiteral("cmbTarifa"));
    periods->setCurrentIndex(period);
    Q_EMIT periods->activated(period);
}

void MonkeyPlayer::PopupItem(int period) const {
    QWidget* popup = QApplication::activePopupWidget();
    auto* periods = window_.findChild<QComboBox*>(QStringLiteral("cmbTarifa"));
    QAbstractItemView* view = periods->view();
    if (!popup || !view->isVisible()) return;
    const QRect item = view->visualRect(view->model()->index(period, 0));
    QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {},
                      view->viewport()->mapTo(popup, item.center()));
}

}  // namespace isr
