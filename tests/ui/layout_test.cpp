// SPDX-License-Identifier: MIT
// The window as the user first sees it: every control in place with its caption, look and state.
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <array>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "presentation/box_labels.h"
#include "presentation/calculation_labels.h"
#include "presentation/tariff_listing.h"
#include "tariffs/periods.h"
#include "tariffs/table_sets.h"
#include "ui/control_geometry.h"
#include "ui/maker_content.h"
#include "ui/svg_image.h"
#include "window_fixture.h"

namespace isr {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The containers of the window's controls: the window itself, the three panels and the three
// navigation buttons.
std::vector<QWidget*> Containers(QWidget* window) {
    std::vector<QWidget*> containers = {window};
    for (const char* array : {"frame", "picBtn"}) {
        for (int k = 0; k < 3; ++k) {
            containers.push_back(window->findChild<QWidget*>(
                QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(k)));
        }
    }
    return containers;
}

// The controls placed on a container; Qt's own parts of a control (a combo box's button, a text
// box's scroll bars) carry no name or one that starts with "qt_".
std::vector<QWidget*> ControlsOn(const QWidget* container) {
    std::vector<QWidget*> controls;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) controls.push_back(child);
    }
    return controls;
}

// The overlaps the design draws on purpose, each one thing beneath another on one container.
bool StackedByDesign(const QString& a, const QString& b) {
    static const QSet<QPair<QString, QString>> pairs = [] {
        QSet<QPair<QString, QString>> set;
        const auto add = [&set](const QString& x, const QString& y) {
            set.insert({x, y});
            set.insert({y, x});
        };
        const auto at = [](const char* array, int k) {
            return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(k);
        };
        for (int k = 0; k < 3; ++k) {
            add(at("shapeBtn", k), at("picBtn", k));  // each button's outline behind it
            add(QStringLiteral("Shape1"), at("shapeBtn", k));
            add(QStringLiteral("Shape1"), at("picBtn", k));  // the selected one covers its top
            add(QStringLiteral("Shape1"), at("frame", k));   // the outline around the panels
            for (int j = k + 1; j < 3; ++j) add(at("frame", k), at("frame", j));  // one shown
        }
        // Section title over its separator, slogans and web addresses over the logo.
        for (const char* line : {"Line1", "Line2"}) add(QStringLiteral("lbl(3)"), line);
        for (const auto& [image, label] : {std::pair{"Image1", "lbl(23)"},
                                           {"Image2", "lbl(24)"},
                                           {"Image2", "lbllink(3)"},
                                           {"Image3", "lbl(27)"},
                                           {"Image3", "lbllink(2)"}}) {
            add(QLatin1String(image), QLatin1String(label));
        }
        // The products: the white area beneath them all (its top border under the logo's bottom
        // edge), and a box around each of four.
        const char* content[] = {"Image3",       "imgProd(0)",   "lblProdlink(0)",
                                 "lblProd(1)",   "shapeProd(1)", "shapeProd(2)",
                                 "shapeProd(3)", "shapeProd(4)", "lblProd(5)"};
        for (const char* name : content) add(QStringLiteral("shapeProd(0)"), QLatin1String(name));
        for (int i = 6; i <= 15; ++i) add(QStringLiteral("shapeProd(0)"), at("lblProd", i));
        const std::array<std::array<int, 4>, 4> boxes = {{
            {1, 2, 1, 0},  // shapeProd(1): imgProd(2), lblProdlink(1), lblProd(0)
            {2, 1, 2, 2},
            {3, 3, 3, 3},
            {4, 4, 4, 4},
        }};
        for (const auto& [box, image, link, description] : boxes) {
            for (const QString& inside :
                 {at("imgProd", image), at("lblProdlink", link), at("lblProd", description)}) {
                add(at("shapeProd", box), inside);
                add(QStringLiteral("shapeProd(0)"), inside);
            }
        }
        return set;
    }();
    return pairs.contains({a, b});
}

TEST_F(WindowTest, NoTwoControlsOverlapUnlessTheDesignStacksThem) {
    VisitEveryPanel();
    for (QWidget* container : Containers(window_.get())) {
        ASSERT_NE(container, nullptr);
        const std::vector<QWidget*> controls = ControlsOn(container);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const QString a = controls[i]->objectName(), b = controls[j]->objectName();
                if (StackedByDesign(a, b)) continue;
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                    << a.toStdString() << " overlaps " << b.toStdString();
            }
        }
    }
}

TEST_F(WindowTest, EveryControlLiesInsideItsContainer) {
    VisitEveryPanel();
    std::set<std::string> checked;
    for (const QWidget* container : Containers(window_.get())) {
        ASSERT_NE(container, nullptr);
        for (const QWidget* control : ControlsOn(container)) {
            checked.insert(control->objectName().toStdString());
            // The design puts the tariffs panel's logo, like the calculation panel's, 5880 twips
            // down, 15 past the bottom of its shorter panel: the picture's blank lowest row.
            if (control->objectName() == QLatin1String("Image2")) continue;
            SCOPED_TRACE(control->objectName().toStdString());
            EXPECT_TRUE(container->rect().contains(control->geometry()))
                << "at " << control->x() << ", " << control->y() << ", " << control->width()
                << " x " << control->height() << " on " << container->width() << " x "
                << container->height();
        }
    }
    // Every control the design places, and no other: none left unbuilt.
    std::set<std::string> designed;
    for (const ControlGeometry& control : AllControlGeometry()) {
        designed.emplace(control.name);
    }
    EXPECT_EQ(checked, designed);
}

// A few places worked out by hand from the design's twips (15 to a pixel). Labels sized by their
// caption are checked for their position only.
TEST_F(WindowTest, PositionsInPixelsMatchTheDesignsTwips) {
    struct Row {
        const char* name;
        QPoint pos;
        QSize size;  // invalid for a label sized by its caption
    };
    const Row rows[] = {
        {"frame(0)", {16, 40}, {569, 497}},      // 240, 600, 8535, 7455 twips
        {"Shape1", {8, 32}, {585, 498}},         // height set at load: 8190 - 480 - 240
        {"txtRet08(0)", {440, 424}, {113, 25}},  // 6600, 6360, 1695, 375
        {"cmdCalc", {480, 56}, {81, 25}},        // 7200, 840, 1215, 375
        {"txtBase", {136, 24}, {129, 19}},       // 2040, 360, 1935, 285
        {"lbllink(0)", {16, 448}, {}},           // 240, 6720
        {"lbl(3)", {8, 88}, {}},                 // 120, 1320: the title over Line1 at 96
        {"Line6", {0, 305}, {568, 1}},           // Y 4570 rounds up, just below Line5
        {"Line5", {0, 304}, {568, 1}},
        {"imgProd(0)", {8, 72}, {43, 43}},    // the 43 x 43 featured picture
        {"imgProd(2)", {16, 168}, {32, 32}},  // a 64 x 64 drawing shown in 32 x 32
        {"Image1", {8, 392}, {200, 50}},      // the logo at its natural 200 x 50
    };
    VisitEveryPanel();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QWidget* widget = Find(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->pos(), row.pos);
        if (row.size.isValid()) {
            EXPECT_EQ(widget->size(), row.size);
        }
    }
}

// The contact lines end at the right edge of their designed boxes, whatever the width of their
// text, and "Procedimiento 2016" stays centred where its box is.
TEST_F(WindowTest, AlignedCaptionsKeepTheSideTheyAreAlignedTo) {
    struct Row {
        const char* name;
        Qt::Alignment alignment;
        int edge;  // in pixels: the right edge, or the middle
    };
    const Row rows[] = {
        {"lbl(28)", Qt::AlignRight, 561},    // 6480 + 1935 twips
        {"lbl(29)", Qt::AlignRight, 561},    // 6860 + 1560: 457 + 104 pixels
        {"lbl(30)", Qt::AlignRight, 428},    // 5040 + 1380
        {"lbl(31)", Qt::AlignHCenter, 492},  // 6525 + 1725 / 2
    };
    VisitEveryPanel();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QWidget* label = Find(row.name);
        ASSERT_NE(label, nullptr);
        if (row.alignment == Qt::AlignRight) {
            EXPECT_EQ(label->x() + label->width(), row.edge);
        } else {
            EXPECT_NEAR(label->x() + label->width() / 2.0, row.edge, 1);
        }
    }
}

TEST_F(WindowTest, WindowIsAFixedSizeDialogWithoutMinimizeOrMaximize) {
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Cálculo de Impuesto 2016"));
    EXPECT_EQ(window_->size(), QSize(603, 546));
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window_->font().family(), QStringLiteral("Tahoma"));
    EXPECT_DOUBLE_EQ(window_->font().pointSizeF(), 8.25);
}

struct LabelRow {
    const char* name;
    QString caption;
    bool bold;
    std::optional<QColor> colour;  // empty: the palette's own text colour
    bool autoSize;
    bool link;
};

// A result box's caption, as the command line and the batch name it.
QString BoxCaption(ResultBox box) {
    return Q(kBoxLabels[static_cast<std::size_t>(box)].caption);
}

std::vector<LabelRow> Labels() {
    const QColor blue(0x00, 0x00, 0xC0), slogan(0x38, 0x4E, 0xAF), product(0x57, 0x6E, 0xA4);
    const QColor red(0xC0, 0x00, 0x00), grey(0x40, 0x40, 0x40), black(0, 0, 0);
    // The subsidy's caption stands on two lines, its first word above the rest.
    const QString subsidy = BoxCaption(ResultBox::kSubsidy);
    const auto space = subsidy.indexOf(QLatin1Char(' '));
    using enum ResultBox;
    std::vector<LabelRow> rows = {
        {"lblBtn(0)", "Cálculo", true, {}, false, false},
        {"lblBtn(1)", "Tarifas", false, {}, false, false},
        {"lblBtn(2)", "Productos y Servicios", true, red, false, false},
        {"lbl(17)", Q(LabelOf(EnteredFigure::kPeriod).caption), false, {}, true, false},
        {"lbl(13)", Q(LabelOf(EnteredFigure::kSubsidySum).caption), false, {}, true, false},
        {"lbl(1)", Q(LabelOf(EnteredFigure::kBase).caption), false, {}, true, false},
        // The design sets the heading off its line by a space.
        {"lbl(3)", QLatin1Char(' ') + Q(kIsrSection.heading), true, {}, true, false},
        {"lbl(4)", BoxCaption(kIsrLowerLimit), false, {}, true, false},
        {"lbl(8)", BoxCaption(kIsrFixedFee), false, {}, true, false},
        {"lbl(5)", BoxCaption(kIsrExcess), false, {}, true, false},
        {"lbl(6)", BoxCaption(kIsrRate), false, {}, true, false},
        {"lbl(7)", BoxCaption(kDeterminedTax), false, {}, true, false},
        {"lbl(22)", subsidy.left(space), true, QColor(0x29, 0x61, 0xB4), true, false},
        {"lbl(11)", BoxCaption(kSubsidyLowerLimit), false, {}, true, false},
        {"lbl(10)", subsidy.mid(space + 1), false, {}, true, false},
        {"lbl(12)", BoxCaption(kSubsidyUpperLimit), false, {}, true, false},
        {"lbl(31)", BoxCaption(kResult), true, {}, true, false},
        {"lbl(23)", Q(maker::kSlogan), false, slogan, true, false},
        {"lbllink(0)", Q(maker::kHost), true, blue, true, true},
        {"lbllink(1)", "más Productos...", false, red, true, true},
        {"lbl(24)", Q(maker::kSlogan), false, slogan, true, false},
        {"lbllink(3)", Q(maker::kHost), true, blue, true, true},
        {"lbl(25)", "Productos y Servicios sobre:", true, black, true, false},
        {"lbl(26)", Q(maker::kServiceAreas), false, black, false, false},
        {"lbl(27)", Q(maker::kSlogan), false, slogan, true, false},
        {"lbllink(2)", Q(maker::kHost), true, blue, true, true},
        {"lbl(28)", Q(maker::kPhone), false, grey, true, false},
        {"lbl(29)", Q(maker::kFax), false, grey, true, false},
        {"lbl(30)", "Correo electrónico:", false, grey, true, false},
        {"lblProdlink(5)", Q(maker::kSupportAddress), true, black, true, true},
        {"lblProd(5)", "SERVICIOS", true, black, true, false},
    };
    // Product k: its name links, its description sits in the box beside its picture.
    const char* descriptions[] = {"lblProd(1)", "lblProd(0)", "lblProd(2)", "lblProd(3)",
                                  "lblProd(4)"};
    static std::vector<std::string> names;
    for (std::size_t k = 0; k < maker::kProducts.size(); ++k) {
        names.push_back("lblProdlink(" + std::to_string(k) + ")");
    }
    for (std::size_t k = 0; k < maker::kProducts.size(); ++k) {
        rows.push_back({names[k].c_str(), Q(maker::kProducts[k].name), true, product, true, true});
        rows.push_back(
            {descriptions[k], Q(maker::kProducts[k].description), false, product, false, false});
    }
    const char* services[] = {"lblProd(6)",  "lblProd(7)",  "lblProd(8)",  "lblProd(9)",
                              "lblProd(10)", "lblProd(15)", "lblProd(14)", "lblProd(13)",
                              "lblProd(12)", "lblProd(11)"};
    for (std::size_t i = 0; i < maker::kServices.size(); ++i) {
        rows.push_back({services[i], Q(maker::kServices[i]), false, black, true, false});
    }
    return rows;
}

TEST_F(WindowTest, LabelsShowTheirCaptionInTheirFontColourAndCursor) {
    VisitEveryPanel();
    for (const LabelRow& row : Labels()) {
        SCOPED_TRACE(row.name);
        const auto* label = Find<QLabel>(row.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), row.caption);
        EXPECT_EQ(label->font().bold(), row.bold);
        EXPECT_EQ(label->font().underline(), row.link && row.name != std::string("lblProdlink(5)"));
        if (row.colour) {
            EXPECT_EQ(label->palette().color(QPalette::WindowText), *row.colour);
        }
        EXPECT_EQ(label->wordWrap(), !row.autoSize);
        EXPECT_EQ(label->cursor().shape(), row.link ? Qt::PointingHandCursor : Qt::ArrowCursor);
        // Only the section title hides what lies beneath it.
        EXPECT_EQ(label->autoFillBackground(), row.name == std::string("lbl(3)"));
    }
}

// A one-line label is exactly as large as its caption, so that a link's hand cursor and click end
// where its text ends. Its letters are set closer only where the caption would otherwise reach
// past its panel's edge, as a substitute font wider than the design's might make it.
TEST_F(WindowTest, EveryAutoSizeLabelIsExactlyAsLargeAsItsCaption) {
    VisitEveryPanel();
    for (const LabelRow& row : Labels()) {
        if (!row.autoSize) continue;
        SCOPED_TRACE(row.name);
        const auto* label = Find<QLabel>(row.name);
        ASSERT_NE(label, nullptr);
        const QFontMetrics metrics(label->font());
        EXPECT_EQ(label->size(), QSize(metrics.horizontalAdvance(row.caption), metrics.height()));

        QFont natural = label->font();
        natural.setLetterSpacing(QFont::PercentageSpacing, 100);
        const bool fitsNaturally =
            label->x() + QFontMetrics(natural).horizontalAdvance(row.caption) <=
            label->parentWidget()->width();
        const qreal spacing = label->font().letterSpacing();
        EXPECT_EQ(spacing > 0 && spacing < 100, !fitsNaturally) << "letter spacing " << spacing;
    }
}

TEST_F(WindowTest, BoxesStartAtZeroRightAlignedWithOnlyTheEntriesEditable) {
    struct Row {
        const char* name;
        bool readOnly;
        bool enabled;
    };
    const Row rows[] = {
        {"txtBase", false, true},    {"txtPagos", false, false},  {"txtISR08(0)", true, true},
        {"txtISR08(1)", true, true}, {"txtISR08(2)", true, true}, {"txtISR08(3)", true, true},
        {"txtISR08(4)", true, true}, {"txtSUB08(0)", true, true}, {"txtSUB08(1)", true, true},
        {"txtSUB08(2)", true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto* box = Find<QLineEdit>(row.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("0"));
        EXPECT_EQ(box->isReadOnly(), row.readOnly);
        EXPECT_EQ(box->isEnabled(), row.enabled);
        EXPECT_TRUE(box->alignment() & Qt::AlignRight);
        EXPECT_FALSE(box->font().bold());
        EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 8.25);
    }
    EXPECT_FALSE(Find<QLabel>("lbl(13)")->isEnabled());

    const auto* result = Find<QLineEdit>("txtRet08(0)");
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_TRUE(result->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(result->font().bold());
    EXPECT_DOUBLE_EQ(result->font().pointSizeF(), 12);
    EXPECT_EQ(result->palette().color(QPalette::Text), QColor(0xC0, 0x00, 0x00));
}

TEST_F(WindowTest, PeriodListHoldsTheSixPeriodsWithMonthlySelected) {
    const auto* periods = Find<QComboBox>("cmbTarifa");
    ASSERT_EQ(periods->count(), 6);
    for (int i = 0; i < periods->count(); ++i) {
        EXPECT_EQ(periods->itemText(i), Q(kPeriodNames[static_cast<std::size_t>(i)]));
    }
    EXPECT_FALSE(periods->isEditable());
    EXPECT_EQ(periods->currentIndex(), 0);
    EXPECT_EQ(Find<QPushButton>("cmdCalc")->text(), QStringLiteral("&Calcular"));
}

TEST_F(WindowTest, TariffListingIsReadOnlyCourierWithEightCharacterTabs) {
    ClickAt("lblBtn(1)");
    const auto* text = Find<QPlainTextEdit>("Text1");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText().toStdString(), TariffListing(DefaultTableSet()));
    EXPECT_TRUE(text->font().fixedPitch() || QFontInfo(text->font()).fixedPitch());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QFontMetricsF metrics(text->font());
    EXPECT_DOUBLE_EQ(text->tabStopDistance(), 8 * metrics.horizontalAdvance(QLatin1Char(' ')));
}

TEST_F(WindowTest, PicturesAreTheMakersDrawingsAndTheIconHasBothSizes) {
    struct Row {
        const char* name;
        const char* resource;
    };
    // Product k's picture goes with link lblProdlink(k).
    VisitEveryPanel();
    const Row rows[] = {
        {"Image1", ":/maker/logo.svg"},         {"Image2", ":/maker/logo.svg"},
        {"Image3", ":/maker/logo.svg"},         {"imgProd(0)", ":/maker/product0.svg"},
        {"imgProd(2)", ":/maker/product1.svg"}, {"imgProd(1)", ":/maker/product2.svg"},
        {"imgProd(3)", ":/maker/product3.svg"}, {"imgProd(4)", ":/maker/product4.svg"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto* image = Find<SvgImage>(row.name);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->Resource(), QString::fromLatin1(row.resource));
        EXPECT_TRUE(image->IsLoaded());
    }
    for (const int size : {16, 32}) {
        EXPECT_EQ(window_->windowIcon().pixmap(size, size).size(), QSize(size, size));
    }
}

// What is drawn on a container lies beneath what is created after it: the order of siblings.
TEST_F(WindowTest, DrawingOrderPutsBoxesOverCaptionsAndCaptionsOverLinesAndPictures) {
    struct Row {
        const char* below;
        const char* above;
    };
    const Row rows[] = {
        {"Line1", "lbl(3)"},       {"Image1", "lbl(23)"},          {"Image2", "lbl(24)"},
        {"Image3", "lbl(27)"},     {"shapeBtn(0)", "picBtn(0)"},   {"Shape1", "frame(0)"},
        {"Shape1", "picBtn(2)"},   {"shapeProd(0)", "imgProd(0)"}, {"shapeProd(1)", "lblProd(0)"},
        {"lbl(6)", "txtISR08(2)"}, {"Line7", "cmbTarifa"},
    };
    VisitEveryPanel();
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.below) + " beneath " + row.above);
        const QWidget* below = Find(row.below);
        const QWidget* above = Find(row.above);
        ASSERT_TRUE(below && above);
        ASSERT_EQ(below->parentWidget(), above->parentWidget());
        const QObjectList& siblings = below->parentWidget()->children();
        EXPECT_LT(siblings.indexOf(below), siblings.indexOf(above));
    }
}

// Tab from the period list runs through the focusable controls that are shown and enabled, in
// ascending tab index: the disabled txtPagos and the hidden panels are skipped.
TEST_F(WindowTest, TabVisitsTheShownControlsInTabIndexOrder) {
    ASSERT_EQ(FocusName(), "cmbTarifa");
    const char* expected[] = {"txtBase",     "txtISR08(0)", "txtISR08(1)", "txtISR08(2)",
                              "txtISR08(3)", "txtISR08(4)", "txtSUB08(0)", "txtSUB08(1)",
                              "txtSUB08(2)", "txtRet08(0)", "cmdCalc",     "frame(0)",
                              "picBtn(0)",   "picBtn(1)",   "picBtn(2)",   "cmbTarifa"};
    for (const char* name : expected) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(FocusName(), name);
    }
}

TEST_F(WindowTest, TabOnTheTariffsPanelReachesTheListing) {
    ClickAt("lblBtn(1)");
    Find("picBtn(2)")->setFocus(Qt::TabFocusReason);
    const char* expected[] = {"frame(1)", "Text1", "picBtn(0)"};
    for (const char* name : expected) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(FocusName(), name);
    }
}

}  // namespace
}  // namespace isr
