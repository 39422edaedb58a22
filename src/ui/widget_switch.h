// SPDX-License-Identifier: MIT
// Any widget as something the entry rules can enable and disable (the caption of txtPagos).
#pragma once

#include <QWidget>

#include "entry/text_field.h"

namespace isr {

class WidgetSwitch : public Switchable {
  public:
    explicit WidgetSwitch(QWidget* widget) : widget_(widget) {}

    bool Enabled() const override { return widget_->isEnabled(); }
    void SetEnabled(bool enabled) override { widget_->setEnabled(enabled); }

  private:
    QWidget* widget_;
};

}  // namespace isr
