// SPDX-License-Identifier: MIT
// isr2016: the withholding calculator's window.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>

#include "ui/application.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    // A standard output or error the caller closed is held by /dev/null opened for reading: no
    // file Qt opens takes its number, and --help or --version fails to write there as it should.
    for (const int descriptor : {STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(descriptor, F_GETFD) >= 0) continue;
        const int held = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (held >= 0 && held != descriptor) {
            dup2(held, descriptor);
            close(held);
        }
    }
    const isr::TableSet* tables = nullptr;
    {
        // The options are read before the window's application exists: --help, --version and a
        // wrong option need no display.
        QCoreApplication options(argc, argv);
        isr::LoadQtTranslations(options);  // Qt's own lines of --help in Spanish too
        const auto choice = isr::TableSetFromCommandLine(options);
        if (const int* status = std::get_if<int>(&choice)) return *status;
        tables = std::get<const isr::TableSet*>(choice);
    }
    QApplication app(argc, argv);
    isr::SetUpApplication(app);
    isr::FrmMain window(*tables);
    isr::CentreOnScreen(window);
    window.show();
    return QApplication::exec();
}
