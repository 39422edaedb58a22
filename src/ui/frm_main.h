// SPDX-License-Identifier: MIT
// frmMain, the program's one window: the navigation bar over the calculation, tariffs and
// products panels. It binds the controls to the calculation core and the entry rules and keeps
// no rule of its own.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "tariffs/table_sets.h"
#include "ui/calc_panel.h"
#include "ui/nav_bar.h"
#include "ui/products_panel.h"
#include "ui/tariffs_panel.h"
#include "ui/widget_switch.h"

namespace isr {

class FrmMain : public QWidget {
  public:
    // Builds every control and runs the load handler, as creating the window does. The window
    // calculates with `tables` and lists them on the tariffs panel.
    explicit FrmMain(const TableSet& tables = DefaultTableSet(), QWidget* parent = nullptr);

    // Shows panel Index (0 calculation, 1 tariffs, 2 products and services) and marks its
    // navigation button as the selected one.
    void lblBtn_Click(std::int16_t Index);
    void picBtn_Click(std::int16_t Index);

    // 0, 2 and 3 open the maker's home page; 1 shows the products panel.
    void lbllink_Click(std::int16_t Index);
    // 0 to 4 open the page of product Index; 5 a new mail message to the maker.
    void lblProdlink_Click(std::int16_t Index);

    // Enables the subsidy sum and its caption for "Anual" only.
    void cmbTarifa_Click();

    // Runs the calculation for the chosen period and shows every result box.
    void cmdCalc_Click();

  private:
    void Form_Load();
    void FillPanel(std::int16_t Index);
    void Connect();
    void ConnectLink(ClickLabel* link, std::int16_t Index);

    const TableSet& tables_;
    NavBar nav_;
    std::array<QWidget*, 3> frame_{};
    CalcPanel calc_;
    std::optional<TariffsPanel> tariffs_;  // built when first shown, as is products_
    std::optional<ProductsPanel> products_;
    std::optional<WidgetSwitch> lbl13_;
};

}  // namespace isr
