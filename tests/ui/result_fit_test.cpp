// SPDX-License-Identifier: MIT
// Every result box shows the whole of the widest figure it can hold, sign and every digit, in its
// own place and size: a row per box, with the figure and the calculation that makes it. The
// figures are found from the core over every table set, period and row limit; the proof is the
// box as drawn, whose ink must span what the text alone draws at the box's font.
#include <QComboBox>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "presentation/box_text.h"
#include "calc/withholding.h"
#include "money/amount_text.h"
#include "tariffs/periods.h"
#include "tariffs/table_sets.h"
#include "window_fixture.h"

namespace isr {
namespace {

// In the order of kResultBoxes.
constexpr std::array<const char*, 9> kBoxNames = {"txtISR08(0)", "txtISR08(1)", "txtISR08(2)",
                                                  "txtISR08(3)", "txtISR08(4)", "txtSUB08(0)",
                                                  "txtSUB08(1)", "txtSUB08(2)", "txtRet08(0)"};

struct Calculation {
    const TableSet* tables;
    std::size_t period;  // in the list's order
    Cents base;
    Cents subsidySum;
};

// The columns of a picture that hold a pixel of `colour`, between `from` and `to`: the first and
// the last, or nothing.
std::optional<std::pair<int, int>> InkColumns(const QImage& image, QColor colour, int from,
                                              int to) {
    std::optional<std::pair<int, int>> ink;
    for (int x = from; x <= to; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != colour) continue;
            if (!ink) ink = {x, x};
            ink->second = x;
            break;
        }
    }
    return ink;
}

// The width the text's ink takes drawn alone at `font`, as the box draws it.
int InkWidthAlone(const QString& text, const QFont& font, const QWidget* box) {
    const QFontMetricsF metrics(font, box);
    QImage image(static_cast<int>(metrics.horizontalAdvance(text)) + 40,
                 static_cast<int>(metrics.height()) + 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(20, metrics.ascent() + 5), text);
    painter.end();
    const auto ink = InkColumns(image, Qt::black, 0, image.width() - 1);
    return ink ? ink->second - ink->first + 1 : 0;
}

class ResultFit : public WindowTest {
  protected:
    void Show(const Calculation& c) {
        OpenWindow(*c.tables);
        Find<QComboBox>("cmbTarifa")->setCurrentIndex(static_cast<int>(c.period));
        Find<QLineEdit>("txtBase")->setText(AmountText(c.base).String().c_str());
        Find<QLineEdit>("txtPagos")->setText(AmountText(c.subsidySum).String().c_str());
        ClickAt("cmdCalc");
    }

    // The box's whole text is drawn: its ink, within the text area, spans what the text draws
    // alone at the box's font, clear of the area's edges.
    void ExpectWholeTextShown(const char* name) const {
        SCOPED_TRACE(name);
        auto* box = Find<QLineEdit>(name);
        QStyleOptionFrame panel;
        panel.initFrom(box);
        panel.rect = box->rect();
        panel.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, box);
        const QRect area = box->style()->subElementRect(QStyle::SE_LineEditContents, &panel, box);
        const QImage shot = box->grab().toImage();
        const QColor colour = box->palette().color(QPalette::Text);
        const auto ink = InkColumns(shot, colour, area.left(), area.right());
        ASSERT_TRUE(ink.has_value()) << box->text().toStdString();
        EXPECT_GT(ink->first, area.left());
        EXPECT_LT(ink->second, area.right());
        EXPECT_NEAR(ink->second - ink->first + 1, InkWidthAlone(box->text(), box->font(), box), 1)
            << box->text().toStdString() << " at " << box->font().pointSizeF() << " pt";
        EXPECT_GE(box->font().pointSizeF(), 4);
    }
};

// For each box, the calculation whose text is the widest at the box's font: over both table
// sets, every period, every row's limits as the base, and for "Anual" no sum or the largest.
std::array<std::pair<Calculation, QString>, 9> WidestFigures(
    const std::array<QFont, 9>& fonts, const std::array<const QWidget*, 9>& boxes) {
    std::array<std::pair<Calculation, QString>, 9> widest{};
    std::array<qreal, 9> widths{};
    for (const TableSet* tables : AllTableSets()) {
        for (std::size_t p = 0; p < kPeriods.size(); ++p) {
            const Period period = kPeriods[p];
            std::vector<Cents> bases = {Cents()};
            for (const IsrRow& row : tables->IsrTariff(period)) {
                bases.push_back(row.lowerLimit);
                bases.push_back(row.upperLimit);
            }
            for (const Cents base : bases) {
                for (const Cents sum : {Cents(), Cents::Largest()}) {
                    const Withholding w = Calculate(*tables, period, base, sum);
                    for (std::size_t b = 0; b < kBoxNames.size(); ++b) {
                        const QString text = BoxText(w, kResultBoxes[b]).String().c_str();
                        const qreal width =
                            QFontMetricsF(fonts[b], boxes[b]).horizontalAdvance(text);
                        if (width <= widths[b]) continue;
                        widths[b] = width;
                        widest[b] = {{tables, p, base, sum}, text};
                    }
                }
            }
        }
    }
    return widest;
}

TEST_F(ResultFit, EveryBoxShowsTheWholeOfTheWidestFigureItCanHold) {
    std::array<QFont, 9> fonts;
    std::array<const QWidget*, 9> boxes{};
    for (std::size_t b = 0; b < kBoxNames.size(); ++b) {
        boxes[b] = Find<QLineEdit>(kBoxNames[b]);
        fonts[b] = boxes[b]->font();
    }
    const auto widest = WidestFigures(fonts, boxes);
    // The cases the window used to cut: a result below -1,000,000.00 and one above 10,000,000.00.
    ASSERT_EQ(widest[8].second, QStringLiteral("-9,999,999,999,999,999.99"));
    for (std::size_t b = 0; b < kBoxNames.size(); ++b) {
        const auto& [calculation, text] = widest[b];
        SCOPED_TRACE(std::string(kBoxNames[b]) + " holding " + text.toStdString());
        Show(calculation);
        ASSERT_EQ(Find<QLineEdit>(kBoxNames[b])->text(), text);
        // Every box, with whatever this calculation gave it.
        for (const char* name : kBoxNames) ExpectWholeTextShown(name);
    }
}

TEST_F(ResultFit, FiguresThatFitKeepTheBoxesFontAndABoxGoesBackToIt) {
    struct Row {
        const char* name;
        const char* base;
        const char* sum;
        qreal resultPoints;
    };
    const Row rows[] = {
        {"an ordinary result keeps 12 pt", "3000", "0", 12},
        {"Mensual 30,000,000.00 shrinks the result", "30000000", "0", 0},
        {"after which an ordinary one has 12 pt again", "3000", "0", 12},
    };
    auto* result = Find<QLineEdit>("txtRet08(0)");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Find<QLineEdit>("txtBase")->setText(row.base);
        ClickAt("cmdCalc");
        if (row.resultPoints > 0) {
            EXPECT_DOUBLE_EQ(result->font().pointSizeF(), row.resultPoints);
        } else {
            EXPECT_EQ(result->text(), QStringLiteral("10,490,904.23"));
            EXPECT_LT(result->font().pointSizeF(), 12);
        }
        EXPECT_TRUE(result->font().bold());
        ExpectWholeTextShown("txtRet08(0)");
    }
}

}  // namespace
}  // namespace isr
