// SPDX-License-Identifier: MIT
// Handing a web page or a new mail message to the desktop, for the window's links.
#pragma once

#include <QUrl>
#include <functional>
#include <string_view>

namespace isr {

// A link target as URL: a bare host name, optionally followed by a path, opens over https;
// "mailto: address" (blanks after the colon allowed) becomes a mailto URL.
QUrl DocumentUrl(std::string_view target);

// Asks the desktop to open the target with the program registered for it. Returns at once and
// reports nothing: when nothing can open it, nothing happens.
void OpenDocument(std::string_view target);

// What OpenDocument calls with the URL; QDesktopServices::openUrl unless replaced (tests record
// the targets here instead of starting a browser).
using DocumentOpener = std::function<void(const QUrl&)>;
DocumentOpener& OpenDocumentHook();

}  // namespace isr
