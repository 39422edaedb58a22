// SPDX-License-Identifier: MIT
// An amount input of the page (txtBase, txtPagos) as the entry rules' TextField: its text, caret
// and selection are the DOM input's own, and every event the page hands it runs the rule for that
// event, as the window's line edits do.
#pragma once

#include <string>

#include "entry/text_field.h"

namespace isr {

class AmountInput final : public TextField {
  public:
    // `id` is the input's element id and must outlive the field.
    explicit AmountInput(const char* id) : id_(id) {}

    const char* Id() const { return id_; }

    std::string Text() const override;
    // Writes the input and then runs the text-change rule: a program write raises no DOM event.
    void SetText(const std::string& text) override;
    int SelStart() const override;
    void SetSelStart(int position) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    std::string Tag() const override { return "N"; }
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;

  private:
    const char* id_;
};

// A caption, or any element that is only greyed when off.
class DomSwitch final : public Switchable {
  public:
    explicit DomSwitch(const char* id) : id_(id) {}
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;

  private:
    const char* id_;
};

}  // namespace isr
