// SPDX-License-Identifier: MIT
// The link labels and what they hand to the desktop.
#include <QFontMetrics>
#include <QLabel>

#include "ui/maker_content.h"
#include "ui/open_document.h"
#include "window_fixture.h"

namespace isr {
namespace {

TEST(DocumentUrl, HostsOpenOverHttpsAndMailTargetsBecomeMailtoUrls) {
    struct Row {
        const char* target;
        const char* url;
    };
    const Row rows[] = {
        {"www.example.com", "https://www.example.com"},
        {"www.example.com/nomina.html", "https://www.example.com/nomina.html"},
        {"mailto: contacto@example.com", "mailto:contacto@example.com"},
        {"mailto:contacto@example.com", "mailto:contacto@example.com"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.target);
        const QUrl url = DocumentUrl(row.target);
        EXPECT_TRUE(url.isValid()) << url.errorString().toStdString();
        EXPECT_EQ(url.toString().toStdString(), row.url);
    }
}

TEST_F(WindowTest, EachLinkOpensItsTarget) {
    struct Row {
        const char* link;
        int panel;  // the panel the link is on
        std::string url;
    };
    const std::string home = "https://" + std::string(maker::kHost);
    std::vector<Row> rows = {
        {"lbllink(0)", 0, home},
        {"lbllink(3)", 1, home},
        {"lbllink(2)", 2, home},
        {"lblProdlink(5)", 2, "mailto:" + std::string(maker::kContactAddress)},
    };
    for (std::size_t k = 0; k < maker::kProducts.size(); ++k) {
        rows.push_back({nullptr, 2, home + "/" + std::string(maker::kProducts[k].page) + ".html"});
    }
    const std::string productLinks[] = {"lblProdlink(0)", "lblProdlink(1)", "lblProdlink(2)",
                                        "lblProdlink(3)", "lblProdlink(4)"};
    for (std::size_t k = 0; k < maker::kProducts.size(); ++k) {
        rows[4 + k].link = productLinks[k].c_str();
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.link);
        window_->lblBtn_Click(static_cast<std::int16_t>(row.panel));
        opened_.clear();
        ClickAt(row.link);
        ASSERT_EQ(opened_.size(), 1u);
        EXPECT_EQ(opened_[0].toString().toStdString(), row.url);
        EXPECT_TRUE(Find("frame(" + std::to_string(row.panel) + ")")->isVisible());
    }
}

// A link is a link on its text and no further: just right of where its text ends, on the panel's
// blank space, the pointer is an arrow and a click opens nothing and leaves the panel shown.
TEST_F(WindowTest, LinksEndWhereTheirTextEnds) {
    const std::pair<const char*, int> links[] = {
        {"lbllink(0)", 0},     {"lbllink(1)", 0},     {"lbllink(3)", 1},     {"lbllink(2)", 2},
        {"lblProdlink(0)", 2}, {"lblProdlink(1)", 2}, {"lblProdlink(2)", 2}, {"lblProdlink(3)", 2},
        {"lblProdlink(4)", 2}, {"lblProdlink(5)", 2},
    };
    for (const auto& [name, panel] : links) {
        SCOPED_TRACE(name);
        window_->lblBtn_Click(static_cast<std::int16_t>(panel));
        const auto* link = Find<QLabel>(name);
        ASSERT_NE(link, nullptr);
        const int textEnd = QFontMetrics(link->font()).horizontalAdvance(link->text());
        const QPoint rightOfText(textEnd + 2, link->height() / 2);
        const QWidget* under = window_->childAt(link->mapTo(window_.get(), rightOfText));
        EXPECT_EQ((under ? under : window_.get())->cursor().shape(), Qt::ArrowCursor);
        opened_.clear();
        ClickAt(link, rightOfText);
        EXPECT_TRUE(opened_.empty());
        EXPECT_TRUE(Find("frame(" + std::to_string(panel) + ")")->isVisible());
    }
}

TEST_F(WindowTest, ClicksOnEverythingElseOfTheProductsPanelDoNothing) {
    window_->lblBtn_Click(2);
    const char* inert[] = {"Image3",     "lbl(27)",    "lbl(28)",     "lbl(29)",     "lbl(30)",
                           "imgProd(0)", "imgProd(1)", "imgProd(2)",  "lblProd(1)",  "lblProd(0)",
                           "lblProd(5)", "lblProd(6)", "lblProd(11)", "shapeProd(4)"};
    for (const char* name : inert) {
        SCOPED_TRACE(name);
        const QWidget* widget = Find(name);
        ASSERT_NE(widget, nullptr);
        // Inside the control, clear of anything that lies over its centre.
        ClickAt(widget, QPoint(3, widget->height() - 3));
        EXPECT_TRUE(opened_.empty());
        EXPECT_TRUE(Find("frame(2)")->isVisible());
    }
}

}  // namespace
}  // namespace isr
