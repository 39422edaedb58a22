// SPDX-License-Identifier: MIT
#include "ui/application.h"

#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

#include "ui/accessible_controls.h"
#include "ui/fonts.h"
#include "ui/maker_look.h"
#include "ui/svg_icon_engine.h"

// The pictures are compiled into this static library; the linker keeps them only when asked for.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace isr {

void SetUpApplication(QApplication& app) {
    InitResources();
    QApplication::setApplicationName(QStringLiteral("isr2016"));
    QApplication::setApplicationVersion(QStringLiteral(ISR2016_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(app.style()->standardPalette());
    QApplication::setWindowIcon(QIcon(new SvgIconEngine(kIconResource)));
    RegisterSubstituteFonts();
    MakeWindowFontTheDefault();
    InstallAccessibleInterfaces();
}

void CentreOnScreen(QWidget& window) {
    const QRect area = window.screen()->availableGeometry();
    window.move(area.center() - window.rect().center());
}

}  // namespace isr
