// SPDX-License-Identifier: MIT
// One user action of the monkey, as data: the random generator makes them, the player sends
// them to the window as real events, and a failing run's actions can be kept as a fixed list.
#pragma once

#include <QPointF>
#include <QString>
#include <optional>
#include <string>

namespace isr {

struct MonkeyEvent {
    enum class Kind {
        Key,          // a key press and release through the window, to the focus widget
        Click,        // a left click (or double click) at a point of a control
        Drag,         // left button pressed on one control, released on another
        Wheel,        // one wheel step over a control
        SetPeriod,    // a period picked in cmbTarifa: current index set, then activated
        PopupItem,    // a click on an item of the open period list
        Drop,         // a drag from another program released over a control
        InputMethod,  // what an input method sends to the focus widget
        ContextMenu,  // a right click on a control, which opens a text box's menu
        MenuItem,     // a click on an item of the open context menu, named by its text
    };

    Kind kind = Kind::Key;
    Qt::Key key = Qt::Key_unknown;
    // What the keyboard reports the key types (X11 gives Ctrl+V as "\x16"), possibly several
    // characters; the text dropped; the input method's commit; the menu item's text.
    QString text;
    QString preedit;        // InputMethod: what it is composing first
    int replaceFrom = 0;    // InputMethod: the commit replaces replaceLength characters from here,
    int replaceLength = 0;  // relative to the caret
    Qt::KeyboardModifiers modifiers;
    std::optional<QString> clipboard;  // put on the clipboard before the key or the right click
    std::string target;                // a control's objectName
    QPointF at{0.5, 0.5};              // where on the target, as fractions of its size
    std::string releaseTarget;         // Drag
    QPointF releaseAt{0.5, 0.5};
    bool twice = false;  // Click: a double click
    int delta = 0;       // Wheel: angle in eighths of a degree
    int period = 0;      // SetPeriod, PopupItem

    static MonkeyEvent Press(Qt::Key key, QString text = {}, Qt::KeyboardModifiers modifiers = {});
    static MonkeyEvent Paste(QString clipboard, Qt::Key key, QString text,
                             Qt::KeyboardModifiers modifiers);
    static MonkeyEvent ClickOn(std::string target, QPointF at = {0.5, 0.5});
    static MonkeyEvent Period(int period);
    static MonkeyEvent DropOn(std::string target, QString text, QPointF at = {0.5, 0.5});
    static MonkeyEvent Commit(QString text, QString preedit = {}, int replaceFrom = 0,
                              int replaceLength = 0);
    static MonkeyEvent MenuOn(std::string target, std::optional<QString> clipboard = {});
    static MonkeyEvent Menu(QString item);

    // One line for the log of a failing run, in the words of the constructors above.
    std::string Describe() const;
};

}  // namespace isr
