// SPDX-License-Identifier: MIT
// Writes a picture of the window's panels, as the window shows them, for the docs:
//   panel_screenshots DIRECTORY [PANEL...]  ->  DIRECTORY/calculo.png, tarifas.png, productos.png
// PANEL is calculo, tarifas or productos; all three by default. At a screen scale of 2
// (QT_SCALE_FACTOR=2) the pictures have twice the pixels and names ending in "@2x".
// The calculation panel shows the worked example of a monthly income of 3,000.00.
#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "ui/application.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList panels = {QStringLiteral("calculo"), QStringLiteral("tarifas"),
                                QStringLiteral("productos")};
    QStringList wanted = QApplication::arguments().mid(2);
    if (wanted.isEmpty()) wanted = panels;
    const bool known = std::all_of(wanted.begin(), wanted.end(),
                                   [&](const QString& name) { return panels.contains(name); });
    if (argc < 2 || !known) {
        std::fputs("usage: panel_screenshots DIRECTORY [calculo|tarifas|productos ...]\n", stderr);
        return 2;
    }
    isr::SetUpApplication(app);
    isr::FrmMain window;
    isr::CentreOnScreen(window);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return 1;

    // Typed and calculated as a user does: Tab into the income, digits, a click on "Calcular".
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    for (const char c : {'3', '0', '0', '0'}) QTest::keyClick(window.windowHandle(), c);
    auto* calcular = window.findChild<QWidget*>(QStringLiteral("cmdCalc"));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      calcular->mapTo(&window, calcular->rect().center()));

    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const qreal scale = window.devicePixelRatio();
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    for (const QString& name : wanted) {
        window.lblBtn_Click(static_cast<std::int16_t>(panels.indexOf(name)));
        QTest::qWait(100);
        if (!window.grab().save(dir.filePath(name + suffix + QStringLiteral(".png")))) return 1;
    }
    return 0;
}
