// SPDX-License-Identifier: MIT
// Writes a picture of each of the window's three panels, as the window shows them, for the docs:
//   panel_screenshots DIRECTORY  ->  DIRECTORY/calculo.png, tarifas.png, productos.png
// The calculation panel shows the worked example of a monthly income of 3,000.00.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

#include "ui/application.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: panel_screenshots DIRECTORY\n", stderr);
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
    const char* files[] = {"calculo.png", "tarifas.png", "productos.png"};
    for (std::int16_t panel = 0; panel < 3; ++panel) {
        window.lblBtn_Click(panel);
        QTest::qWait(100);
        if (!window.grab().save(dir.filePath(QString::fromLatin1(files[panel])))) return 1;
    }
    return 0;
}
