// SPDX-License-Identifier: MIT
// A fresh, shown and active frmMain per test, offscreen, with link targets recorded instead of
// opened. Events go through the window as the platform delivers them, so the widget under the
// pointer and the focus widget receive them, not a widget picked by the test.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform_input.h"
#include "ui/frm_main.h"
#include "ui/open_document.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace isr {

class WindowTest : public ::testing::Test {
  public:
    // Keys through the window, to the focus widget.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    void Type(const QString& text) const;

  protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    template <class T = QWidget>
    T* Find(const std::string& name) const {
        auto* widget = window_->findChild<T*>(QString::fromStdString(name));
        EXPECT_NE(widget, nullptr) << "no control " << name;
        return widget;
    }

    // Replaces the window with one that calculates with `tables`, shown and active.
    void OpenWindow(const TableSet& tables);
    // A key event that carries several characters at once, to the focus widget.
    void KeyWithText(const QString& text) const;
    // Dropped on the centre of a control.
    bool Drop(const QString& text, const std::string& name) const;

    // A left click at a point of the control (its centre by default), through the window.
    void ClickAt(const std::string& name) const;
    void ClickAt(const QWidget* widget, QPoint point) const;

    // Clicks through the tariffs and products panels and back to the calculation, as a user who
    // has seen them all: the two are built when first shown.
    void VisitEveryPanel() const;

    QWidget* FocusWidget() const { return QApplication::focusWidget(); }
    std::string FocusName() const;

    std::unique_ptr<FrmMain> window_;
    std::vector<QUrl> opened_;

  private:
    DocumentOpener savedOpener_;
};

}  // namespace isr
