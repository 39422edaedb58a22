// SPDX-License-Identifier: MIT
#include "monkey_checks.h"

#include <QApplication>

#include "calc/entered_calculation.h"
#include "presentation/box_text.h"
#include "entry/numeric_text.h"
#include "money/amount_text.h"
#include "tariffs/periods.h"
#include "tariffs/table_sets.h"
#include "ui/click_box.h"
#include "ui/control_geometry.h"
#include "ui/system_colours.h"

namespace isr {

namespace {

template <class T = QWidget>
T* Named(const QWidget& window, const std::string& name) {
    return window.findChild<T*>(QString::fromStdString(name));
}

std::string Indexed(std::string_view array, int index) {
    return std::string(array) + "(" + std::to_string(index) + ")";
}

}  // namespace

MonkeyChecks::MonkeyChecks(QWidget& window)
    : window_(window),
      periods_(Named<QComboBox>(window, "cmbTarifa")),
      base_(Named<QLineEdit>(window, "txtBase")),
      pagos_(Named<QLineEdit>(window, "txtPagos")),
      lbl13_(Named(window, "lbl(13)")),
      calc_(Named<QPushButton>(window, "cmdCalc")) {
    // Connected after the window's own handler: runs once the boxes show the new results, with
    // the fields as the calculation read them.
    QObject::connect(calc_, &QPushButton::clicked, &window, [this] { Calculated(); });
}

void MonkeyChecks::Calculated() {
    ++calculations_;
    for (const QLineEdit* field : {base_, pagos_}) {
        const std::string text = field->text().toStdString();
        const std::string formatted = RoundedAmountText(text).value_or("0.00");
        if (calculationFault_.empty() && field->isEnabled() && text != formatted) {
            calculationFault_ = "calculated with " + field->objectName().toStdString() +
                                " showing \"" + text.substr(0, 60) + "\", not " + formatted;
        }
    }
    const auto period = PeriodAt(periods_->currentIndex());
    if (!period) return;
    expected_ = CalculateEntered(DefaultTableSet(), *period, base_->text().toStdString(),
                                 pagos_->text().toStdString());
}

void MonkeyChecks::Before(const MonkeyEvent& event) {
    const bool composingOnly = event.kind == MonkeyEvent::Kind::InputMethod &&
                               event.text.isEmpty() && event.replaceLength == 0;
    untouched_.reset();
    if (event.kind == MonkeyEvent::Kind::Drop || composingOnly) {
        untouched_.emplace(base_->text(), pagos_->text());
    }
}

std::string MonkeyChecks::Check() const {
    if (!calculationFault_.empty()) return calculationFault_;
    for (const std::string& fault :
         {CheckUntouched(), CheckEntry(), CheckNavigation(), CheckResults()}) {
        if (!fault.empty()) return fault;
    }
    return {};
}

std::string MonkeyChecks::CheckEntry() const {
    for (const QLineEdit* field : {base_, pagos_}) {
        if (!IsNumeric(field->text().toStdString())) {
            return field->objectName().toStdString() + " holds \"" +
                   field->text().left(60).toStdString() + "\", not a number";
        }
    }
    const bool annual = PeriodAt(periods_->currentIndex()) == Period::kAnual;
    if (pagos_->isEnabled() != annual || lbl13_->isEnabled() != annual) {
        return "period " + std::to_string(periods_->currentIndex()) + " with txtPagos " +
               (pagos_->isEnabled() ? "enabled" : "disabled") + " and lbl(13) " +
               (lbl13_->isEnabled() ? "enabled" : "disabled");
    }
    return {};
}

std::string MonkeyChecks::CheckUntouched() const {
    if (!untouched_ ||
        (base_->text() == untouched_->first && pagos_->text() == untouched_->second)) {
        return {};
    }
    return "the fields went from \"" + untouched_->first.left(40).toStdString() + "\" and \"" +
           untouched_->second.left(40).toStdString() + "\" to \"" +
           base_->text().left(40).toStdString() + "\" and \"" +
           pagos_->text().left(40).toStdString() + "\"";
}

// One panel shown, and the bar saying which: its button raised in button face, the other two
// lower and white, the caption of the calculation or tariffs button bold when it is selected.
std::string MonkeyChecks::CheckNavigation() const {
    int shown = -1;
    for (int k = 0; k < 3; ++k) {
        if (!Named(window_, Indexed("frame", k))->isVisibleTo(&window_)) continue;
        if (shown >= 0)
            return "frames " + std::to_string(shown) + " and " + std::to_string(k) +
                   " both visible";
        shown = k;
    }
    if (shown < 0) return "no frame visible";
    const QColor white(0xFF, 0xFF, 0xFF);
    for (int k = 0; k < 3; ++k) {
        const auto* button = Named<ClickBox>(window_, Indexed("picBtn", k));
        const bool selected = k == shown;
        // 365 twips until the first navigation click, 355 after it.
        const bool heightFits = selected ? (button->height() == TwipsToPixels(355) ||
                                            button->height() == TwipsToPixels(365))
                                         : button->height() == TwipsToPixels(345);
        if (!heightFits || button->Background() != (selected ? ButtonFace() : white)) {
            return "panel " + std::to_string(shown) + " shown but picBtn(" + std::to_string(k) +
                   ") is " + std::to_string(button->height()) + " high in " +
                   button->Background().name().toStdString();
        }
    }
    for (int k = 0; k < 2; ++k) {
        if (Named(window_, Indexed("lblBtn", k))->font().bold() != (k == shown)) {
            return "panel " + std::to_string(shown) + " shown with lblBtn(" + std::to_string(k) +
                   ") " + (k == shown ? "regular" : "bold");
        }
    }
    return {};
}

std::string MonkeyChecks::CheckResults() const {
    // The window's boxes in the order of kResultBoxes.
    const std::string names[] = {"txtISR08(0)", "txtISR08(1)", "txtISR08(2)",
                                 "txtISR08(3)", "txtISR08(4)", "txtSUB08(0)",
                                 "txtSUB08(1)", "txtSUB08(2)", "txtRet08(0)"};
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i) {
        const std::string shown = Named<QLineEdit>(window_, names[i])->text().toStdString();
        const std::string core =
            expected_ ? BoxText(*expected_, kResultBoxes[i]).String() : std::string("0");
        if (shown != core) {
            return names[i] + " shows \"" + shown + "\", the core gives \"" + core + "\"";
        }
    }
    return {};
}

}  // namespace isr
