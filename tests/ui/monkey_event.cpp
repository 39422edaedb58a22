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
    }
    return {};
}

}  // namespace isr
