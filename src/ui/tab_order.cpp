// SPDX-License-Identifier: MIT
#include "ui/tab_order.h"

namespace isr {

namespace {

// Every control that can take the focus, by ascending tab index (in the comments; the numbers
// have gaps where captions and links sit, which never take the focus).
constexpr const char* kTabOrder[] = {
    "cmbTarifa",    // 0
    "txtBase",      // 1
    "txtPagos",     // 2
    "txtISR08(0)",  // 3
    "txtISR08(1)",  // 4
    "txtISR08(2)",  // 5
    "txtISR08(3)",  // 6
    "txtISR08(4)",  // 7
    "txtSUB08(0)",  // 8
    "txtSUB08(1)",  // 9
    "txtSUB08(2)",  // 10
    "txtRet08(0)",  // 11
    "cmdCalc",      // 12
    "frame(0)",     // 24
    "frame(1)",     // 34
    "frame(2)",     // 35
    "Text1",        // 36
    "picBtn(0)",    // 37
    "picBtn(1)",    // 39
    "picBtn(2)",    // 41
};

}  // namespace

void SetTabOrder(QWidget* window) {
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
        if (!widget) continue;
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace isr
