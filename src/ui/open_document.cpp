// SPDX-License-Identifier: MIT
#include "ui/open_document.h"

#include <QDesktopServices>

#include "ui/controls.h"

namespace isr {

QUrl DocumentUrl(std::string_view target) {
    constexpr std::string_view kMailto = "mailto:";
    if (target.starts_with(kMailto)) {
        std::string_view address = target.substr(kMailto.size());
        while (address.starts_with(' ')) address.remove_prefix(1);
        return QUrl(QStringLiteral("mailto:") + ToQString(address), QUrl::StrictMode);
    }
    return QUrl(QStringLiteral("https://") + ToQString(target), QUrl::StrictMode);
}

void OpenDocument(std::string_view target) {
    OpenDocumentHook()(DocumentUrl(target));
}

DocumentOpener& OpenDocumentHook() {
    static DocumentOpener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}

}  // namespace isr
