// SPDX-License-Identifier: MIT
#include "monkey_event.h"

#include <QKeySequence>
#include <sstream>

namespace isr {

namespace {

// Control characters and long texts readable on one line.
std::string Quoted(const QString& text) {
    std::string out = "\"";
    const QString shown = text.size() > 40 ? text.left(40) : text;
    for (const QChar c : shown) {
        if (c.unicode() < 0x20) {
            out += "\\x" + QString::number(c.unicode(), 16).rightJustified(2, '0').toStdString();
        } else {
            out += QString(c).toStdString();
        }
    }
    out += '"';
    if (text.size() > 40) out += "... (" + std::to_string(text.size()) + " characters)";
    return out;
}

std::string Point(QPointF at) {
    std::ostringstream out;
    out << "(" << at.x() << ", " << at.y() << ")";
    return out.str();
}

}  // namespace

MonkeyEvent MonkeyEvent::Press(Qt::Key key, QString text, Qt::KeyboardModifiers modifiers) {
    MonkeyEvent event;
    event.key = key;
    event.text = std::move(text);
    event.modifiers = modifiers;
    return event;
}

MonkeyEvent MonkeyEvent::Paste(QString clipboard, Qt::Key key, QString text,
                               Qt::KeyboardModifiers modifiers) {
    MonkeyEvent event = Press(key, std::move(text), modifiers);
    event.clipboard = std::move(clipboard);
    return event;
}

MonkeyEvent MonkeyEvent::ClickOn(std::string target, QPointF at) {
    MonkeyEvent event;
    event.kind = Kind::Click;
    event.target = std::move(target);
    event.at = at;
    return event;
}

MonkeyEvent MonkeyEvent::Period(int period) {
    MonkeyEvent event;
    event.kind = Kind::SetPeriod;
    event.period = period;
    return event;
}

MonkeyEvent MonkeyEvent::DropOn(std::string target, QString text, QPointF at) {
    MonkeyEvent event;
    event.kind = Kind::Drop;
    event.target = std::move(target);
    event.text = std::move(text);
    event.at = at;
    return event;
}

MonkeyEvent MonkeyEvent::Commit(QString text, QString preedit, int replaceFrom, int replaceLength) {
    MonkeyEvent event;
    event.kind = Kind::InputMethod;
    event.text = std::move(text);
    event.preedit = std::move(preedit);
    event.replaceFrom = replaceFrom;
    event.replaceLength = replaceLength;
    return event;
}

MonkeyEvent MonkeyEvent::MenuOn(std::string target, std::optional<QString> clipboard) {
    MonkeyEvent event;
    event.kind = Kind::ContextMenu;
    event.target = std::move(target);
    event.clipboard = std::move(clipboard);
    return event;
}

MonkeyEvent MonkeyEvent::Menu(QString item) {
    MonkeyEvent event;
    event.kind = Kind::MenuItem;
    event.text = std::move(item);
    return event;
}

std::string MonkeyEvent::Describe() const {
    const std::string keys = QKeySequence(QKeyCombination(modifiers, key)).toString().toStdString();
    switch (kind) {
        case Kind::Key:
            return (clipboard ? "paste " + Quoted(*clipboard) + " by " : "key ") + keys + " " +
                   Quoted(text);
        case Kind::Click:
            return std::string(twice ? "double click" : "click") + " on " + target + " at " +
                   Point(at);
        case Kind::Drag:
            return "drag from " + target + " " + Point(at) + " to " + releaseTarget + " " +
                   Point(releaseAt);
        case Kind::Wheel:
            return "wheel " + std::to_string(delta) + " over " + target;
        case Kind::SetPeriod:
            return "period " + std::to_string(period) + " picked";
        case Kind::PopupItem:
            return "click on item " + std::to_string(period) + " of the open list";
        case Kind::Drop:
            return "drop " + Quoted(text) + " on " + target + " at " + Point(at);
        case Kind::InputMethod:
            return "input method" + (preedit.isEmpty() ? "" : " composing " + Quoted(preedit)) +
                   " commits " + Quoted(text) +
                   (replaceLength ? " over " + std::to_string(replaceLength) + " from " +
                                        std::to_string(replaceFrom)
                                  : "");
        case Kind::ContextMenu:
            return "context menu on " + target +
                   (clipboard ? " with " + Quoted(*clipboard) + " on the clipboard" : "");
        case Kind::MenuItem:
            return "menu item " + Quoted(text);
    }
    return {};
}

}  // namespace isr
