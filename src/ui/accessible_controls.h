// SPDX-License-Identifier: MIT
// How assistive technology sees the window's own kinds of control: a link label is a link and a
// navigation button a page tab, and either can be pressed as a click would. Qt's own interfaces
// see them as plain text and an anonymous container, neither of which can be pressed.
#pragma once

namespace isr {

// Registers the interfaces with Qt's accessibility; once, before the window is built.
void InstallAccessibleInterfaces();

}  // namespace isr
