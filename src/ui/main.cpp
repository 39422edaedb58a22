// SPDX-License-Identifier: MIT
// isr2016: the withholding calculator's window.
#include <QApplication>

#include "ui/application.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    const isr::TableSet* tables = nullptr;
    {
        // The options are read before the window's application exists: --help, --version and a
        // wrong option need no display.
        QCoreApplication options(argc, argv);
        isr::LoadQtTranslations(options);  // Qt's own lines of --help in Spanish too
        tables = isr::TableSetFromCommandLine(options);
        if (tables == nullptr) return 2;
    }
    QApplication app(argc, argv);
    isr::SetUpApplication(app);
    isr::FrmMain window(*tables);
    isr::CentreOnScreen(window);
    window.show();
    return QApplication::exec();
}
