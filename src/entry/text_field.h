// SPDX-License-Identifier: MIT
// What the entry rules read and write of a text field, whatever draws it. The window adapts its
// line edits and the page its inputs to this interface; the tests hold one in memory.
#pragma once

#include <string>

namespace isr {

// Anything that can be enabled and disabled: a text field, or the caption beside it.
class Switchable {
  public:
    virtual ~Switchable() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// Positions and lengths count characters from the start of the text (0 = before the first).
class TextField : public Switchable {
  public:
    virtual std::string Text() const = 0;
    // Takes effect at once and runs the field's text-change handling before it returns.
    virtual void SetText(const std::string& text) = 0;

    // The caret position. Writing it clamps to the length of the text and empties the selection.
    virtual int SelStart() const = 0;
    virtual void SetSelStart(int position) = 0;

    // The number of characters selected from the caret on. Writing it clamps to the text.
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int length) = 0;

    // Free text set in the layout; "N" marks a numeric field (see FilterNumericKey).
    virtual std::string Tag() const = 0;
};

}  // namespace isr
