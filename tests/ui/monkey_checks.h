// SPDX-License-Identifier: MIT
// What must hold on frmMain after every event, whatever the user did: numeric entry fields,
// txtPagos enabled exactly for "Anual", one of the three navigation states, and result boxes
// showing the core's calculation of what the fields showed at the last "&Calcular".
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include <optional>

#include "calc/withholding.h"

namespace isr {

class MonkeyChecks {
  public:
    // Watches the window's "&Calcular" from now on, on a window that has not calculated yet.
    explicit MonkeyChecks(QWidget& window);

    // The first rule broken, or an empty text.
    std::string Check() const;

    int Calculations() const { return calculations_; }

  private:
    void Calculated();
    std::string CheckEntry() const;
    std::string CheckNavigation() const;
    std::string CheckResults() const;

    QWidget& window_;
    QComboBox* periods_;
    QLineEdit* base_;
    QLineEdit* pagos_;
    QWidget* lbl13_;
    QPushButton* calc_;
    std::optional<Withholding> expected_;  // nothing, and "0" in every box, until the first one
    std::string calculationFault_;
    int calculations_ = 0;
};

}  // namespace isr
