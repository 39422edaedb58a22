// SPDX-License-Identifier: MIT
// Starts like isr2016 and exits as soon as its window has been painted once, for
// bench_window_startup. "frmMain" sets the application up and shows the program's window, as
// isr2016 does; "empty" shows a plain 603 x 546 QWidget in a bare QApplication instead, the least
// any Qt program of that window size costs; "text" the same window with one line of text, which
// costs what any window showing text costs (the font database and a font engine).
//
//   QT_QPA_PLATFORM=offscreen bench_startup_probe frmMain|empty|text
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <cstring>
#include <memory>

#include "ui/application.h"
#include "ui/frm_main.h"

namespace {

// Quits once the first paint of the window has run to its end.
class QuitAfterPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    const char* mode = argc > 1 ? argv[1] : "frmMain";
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (std::strcmp(mode, "frmMain") != 0) {
        window = std::make_unique<QWidget>();
        window->resize(603, 546);
        if (std::strcmp(mode, "text") == 0) {
            new QLabel(QStringLiteral("Cálculo de Impuesto 2016"), window.get());
        }
    } else {
        isr::SetUpApplication(app);
        window = std::make_unique<isr::FrmMain>();
        isr::CentreOnScreen(*window);
    }
    QuitAfterPaint quit;
    window->installEventFilter(&quit);
    window->show();
    // A window that is never painted fails the run instead of hanging it.
    QTimer::singleShot(10'000, &app, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}
