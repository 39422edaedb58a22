// SPDX-License-Identifier: MIT
// One-line ("auto-size") labels are exactly as large as their caption, so that nothing of them,
// a link's hand cursor and its click least of all, reaches past their text.
#pragma once

#include <QLabel>

namespace isr {

// Sizes the label, placed in its designed box, to its caption in its font. The top stays, and
// so does the side the caption is aligned to: the left, or the right edge of a right-aligned
// caption, or the middle of a centred one, so that captions of other widths than the ones the
// boxes were drawn for still line up as designed (the contact lines at the panel's right edge).
//
// A substitute font may run wider than the typeface the layout was measured with; where the
// caption would then reach past the right edge of the label's container, its letter spacing
// tightens by the least whole percent that brings it inside, which keeps the letters' size.
void SizeToCaption(QLabel* label);

}  // namespace isr
