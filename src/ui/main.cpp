// SPDX-License-Identifier: MIT
// isr2016: the withholding calculator's window.
#include <QApplication>

#include "ui/application.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    isr::SetUpApplication(app);
    const isr::TableSet* tables = isr::TableSetFromCommandLine(app);
    if (tables == nullptr) return 2;
    isr::FrmMain window(*tables);
    isr::CentreOnScreen(window);
    window.show();
    return QApplication::exec();
}
