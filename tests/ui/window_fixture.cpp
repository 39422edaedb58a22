// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include <QApplication>

#include "ui/application.h"

namespace isr {

void WindowTest::SetUpTestSuite() {
    if (QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ui_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at static destruction Qt's own per-thread data is already gone, and the
    // application's destructor would crash on it.
    auto* app = new QApplication(argc, argv);
    SetUpApplication(*app);
}

void WindowTest::SetUp() {
    savedOpener_ = OpenDocumentHook();
    OpenDocumentHook() = [this](const QUrl& url) { opened_.push_back(url); };
    OpenWindow(DefaultTableSet());
}

void WindowTest::OpenWindow(const TableSet& tables) {
    window_.reset();
    window_ = std::make_unique<FrmMain>(tables);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

void WindowTest::TearDown() {
    window_.reset();
    OpenDocumentHook() = savedOpener_;
}

void WindowTest::ClickAt(const std::string& name) const {
    const QWidget* widget = Find(name);
    ASSERT_NE(widget, nullptr);
    ClickAt(widget, widget->rect().center());
}

void WindowTest::ClickAt(const QWidget* widget, QPoint point) const {
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      widget->mapTo(window_.get(), point));
}

void WindowTest::KeyWithText(const QString& text) const {
    QTest::sendKeyEvent(QTest::Click, window_->windowHandle(), Qt::Key_unknown, text,
                        Qt::NoModifier);
}

bool WindowTest::Drop(const QString& text, const std::string& name) const {
    const QWidget* widget = Find(name);
    return widget &&
           DropText(*window_, widget->mapTo(window_.get(), widget->rect().center()), text);
}

void WindowTest::VisitEveryPanel() const {
    for (const char* caption : {"lblBtn(1)", "lblBtn(2)", "lblBtn(0)"}) ClickAt(caption);
}

void WindowTest::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) const {
    QTest::keyClick(window_->windowHandle(), key, modifiers);
}

void WindowTest::Type(const QString& text) const {
    for (const QChar c : text) {
        QTest::keyClick(window_->windowHandle(), c.toLatin1());
    }
}

std::string WindowTest::FocusName() const {
    const QWidget* focus = FocusWidget();
    return focus ? focus->objectName().toStdString() : std::string("(none)");
}

}  // namespace isr
