// SPDX-License-Identifier: MIT
#include "ui/frm_main.h"

#include <string>

#include "calc/result_boxes.h"
#include "entry/amount_field.h"
#include "entry/calcular.h"
#include "ui/accessible_names.h"
#include "ui/control_geometry.h"
#include "ui/fonts.h"
#include "ui/maker_content.h"
#include "ui/open_document.h"
#include "ui/system_colours.h"
#include "ui/tab_order.h"

namespace isr {

namespace {

constexpr int kClientWidth = 9045;   // twips
constexpr int kClientHeight = 8190;  // twips
// Shape1 ends this far above the bottom of the window.
constexpr int kShape1BottomMargin = 240;    // twips
constexpr int kSelectedButtonHeight = 355;  // twips
constexpr int kButtonHeight = 345;          // twips
const QColor kWhite(0xFF, 0xFF, 0xFF);

QWidget* AddFrame(QWidget* window, std::size_t index) {
    auto* frame = new QWidget(window);
    Place(frame, "frame(" + std::to_string(index) + ")");
    frame->setAutoFillBackground(true);
    frame->setFocusPolicy(Qt::TabFocus);
    frame->setVisible(index == 0);
    return frame;
}

void SetBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

}  // namespace

FrmMain::FrmMain(const TableSet& tables, QWidget* parent) : QWidget(parent), tables_(tables) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Cálculo de Impuesto 2016"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ButtonFace());
    setPalette(palette);
    setFont(WindowFont());

    nav_ = BuildNavBar(this);
    for (std::size_t k = 0; k < frame_.size(); ++k) frame_[k] = AddFrame(this, k);
    calc_ = BuildCalcPanel(frame_[0]);
    NameFocusableControls(nav_, frame_, calc_);
    SetTabOrder(this);
    Connect();
    Form_Load();
    calc_.cmbTarifa->setFocus();
}

// The window opens on the calculation panel; building the other two, and loading the listing's
// font and the products' pictures for them, would only delay its first paint. Each is built
// hidden, in the place and drawing order it would have had, just before it is first shown.
void FrmMain::FillPanel(std::int16_t Index) {
    if (Index == 1 && !tariffs_) {
        tariffs_ = BuildTariffsPanel(frame_[1], tables_);
        NameTariffListing(nav_, *tariffs_);
        SetTabOrder(this);
        ConnectLink(tariffs_->lbllink3, 3);
    } else if (Index == 2 && !products_) {
        products_ = BuildProductsPanel(frame_[2]);
        ConnectLink(products_->lbllink2, 2);
        for (std::size_t k = 0; k < products_->lblProdlink.size(); ++k) {
            const auto index = static_cast<std::int16_t>(k);
            connect(products_->lblProdlink[k], &ClickLabel::clicked, this,
                    [this, index] { lblProdlink_Click(index); });
        }
    }
}

void FrmMain::ConnectLink(ClickLabel* link, std::int16_t Index) {
    connect(link, &ClickLabel::clicked, this, [this, Index] { lbllink_Click(Index); });
}

void FrmMain::Connect() {
    for (std::size_t k = 0; k < nav_.picBtn.size(); ++k) {
        const auto index = static_cast<std::int16_t>(k);
        connect(nav_.lblBtn[k], &ClickLabel::clicked, this, [this, index] { lblBtn_Click(index); });
        connect(nav_.picBtn[k], &ClickBox::clicked, this, [this, index] { picBtn_Click(index); });
    }
    ConnectLink(calc_.lbllink[0], 0);
    ConnectLink(calc_.lbllink[1], 1);
    connect(calc_.cmdCalc, &QPushButton::clicked, this, [this] { cmdCalc_Click(); });
    lbl13_.emplace(calc_.lbl13);
    connect(calc_.cmbTarifa, &QComboBox::currentIndexChanged, this, [this] { cmbTarifa_Click(); });
}

// The navigation bar's line reaches down to its margin, and "Mensual" is chosen, which leaves
// txtPagos disabled.
void FrmMain::Form_Load() {
    nav_.Shape1->resize(nav_.Shape1->width(),
                        height() - nav_.Shape1->y() - TwipsToPixels(kShape1BottomMargin));
    calc_.cmbTarifa->setCurrentIndex(0);
}

void FrmMain::lblBtn_Click(std::int16_t Index) {
    FillPanel(Index);
    for (std::size_t k = 0; k < frame_.size(); ++k) {
        frame_[k]->setVisible(static_cast<int>(k) == Index);
    }
    for (std::size_t k = 0; k < nav_.picBtn.size(); ++k) {
        const bool selected = static_cast<int>(k) == Index;
        ClickBox* button = nav_.picBtn[k];
        button->resize(button->width(),
                       TwipsToPixels(selected ? kSelectedButtonHeight : kButtonHeight));
        button->SetBackground(selected ? ButtonFace() : kWhite);
    }
    SetBold(nav_.lblBtn[0], Index == 0);
    SetBold(nav_.lblBtn[1], Index == 1);
}

void FrmMain::picBtn_Click(std::int16_t Index) {
    lblBtn_Click(Index);
}

void FrmMain::lbllink_Click(std::int16_t Index) {
    if (Index == 1) {
        lblBtn_Click(2);
    } else if (Index == 0 || Index == 2 || Index == 3) {
        OpenDocument(maker::HomePage());
    }
}

void FrmMain::lblProdlink_Click(std::int16_t Index) {
    if (Index >= 0 && Index < static_cast<int>(maker::kProducts.size())) {
        OpenDocument(maker::ProductPage(static_cast<std::size_t>(Index)));
    } else if (Index == 5) {
        OpenDocument(maker::MailTarget());
    }
}

void FrmMain::cmbTarifa_Click() {
    EnableSubsidySumFor(calc_.cmbTarifa->currentIndex(), *calc_.txtPagos, *lbl13_);
}

void FrmMain::cmdCalc_Click() {
    // The load selects "Mensual" before anyone can click.
    Calcular(
        tables_, calc_.cmbTarifa->currentIndex(), *calc_.txtBase, *calc_.txtPagos,
        [this](ResultBox box, std::string_view text) {
            ResultBoxEdit(calc_, box)
                ->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
        });
}

}  // namespace isr
