// SPDX-License-Identifier: MIT
// Input that reaches the window other than by keys and the mouse, sent as the platform sends it:
// drags from other programs and what an input method composes and commits.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

namespace isr {

// A drag from another program carrying `text`, entering the window at `at` (window coordinates)
// and released there, delivered as the platform delivers it: the drop only if the drag was taken.
// Returns whether a control took the drop.
bool DropText(QWidget& window, QPoint at, const QString& text);

// What an input method sends to the focus widget: the text it is composing, if any, then the text
// it commits in place of `replaceLength` characters from `replaceFrom` (relative to the caret);
// with neither, it goes on composing.
void SendInputMethod(const QString& preedit, const QString& commit, int replaceFrom = 0,
                     int replaceLength = 0);

}  // namespace isr
