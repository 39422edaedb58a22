// SPDX-License-Identifier: MIT
// What must hold on frmMain after every event, whatever the user did: numeric entry fields,
// txtPagos enabled exactly for "Anual", one of the three navigation states, and result boxes
// showing the core's calculation of what the fields showed at the last "&Calcular", which finds
// every enabled field formatted. A drop, or an input method that is only composing, changes no
// field.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>
#include <utility>

#include "calc/withholding.h"
#include "monkey_event.h"

namespace isr {

class MonkeyChecks {
  public:
    // Watches the window's "&Calcular" from now on, on a window that has not calculated yet.
    explicit MonkeyChecks(QWidget& window);

    // Notes what the event must leave as it is, before it is played.
    void Before(const MonkeyEvent& event);

    // The first rule broken, or an empty text.
    std::string Check() const;

    int Calculations() const { return calculations_; }

  private:
    void Calculated();
    std::string CheckEntry() const;
    std::string CheckUntouched() const;
    std::string CheckNavigation() const;
    std::string CheckResults() const;

    QWidget& window_;
    QComboBox* periods_;
    QLineEdit* base_;
    QLineEdit* pagos_;
    QWidget* lbl13_;
    QPushButton* calc_;
    std::optional<Withholding> expected_;  // nothing, and "0" in every box, until the first one
    std::optional<std::pair<QString, QString>> untouched_;  // the fields' texts the event keeps
    std::string calculationFault_;
    int calculations_ = 0;
};

}  // namespace isr
