// SPDX-License-Identifier: MIT
// The tables every front end names its figures by: whole, each name once where it must be, and
// the page's HTML, which is written by hand, saying the same captions for the same boxes.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/box_labels.h"
#include "presentation/calculation_labels.h"
#include "presentation/page_id.h"
#include "presentation/payment_figures.h"

namespace isr {
namespace {

std::string PageHtml() {
    std::ifstream in(ISR_PAGE_HTML, std::ios::binary);
    EXPECT_TRUE(in) << ISR_PAGE_HTML;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text of an element with its tags dropped and its blanks collapsed to one space, as a
// browser reads a label out.
std::string ReadOut(std::string_view inner) {
    std::string text;
    bool inTag = false;
    bool blank = false;
    for (const char c : inner) {
        if (c == '<') inTag = true;
        if (inTag) {
            inTag = c != '>';
            continue;
        }
        if (c == ' ' || c == '\n') {
            blank = !text.empty();
            continue;
        }
        if (blank) text += ' ';
        blank = false;
        text += c;
    }
    return text;
}

// What the page's <label for="id"> reads out, or "(none)".
std::string LabelFor(const std::string& html, const std::string& id) {
    const auto at = html.find("for=\"" + id + "\"");
    if (at == std::string::npos) return "(none)";
    const auto start = html.find('>', at) + 1;
    return ReadOut(std::string_view(html).substr(start, html.find("</label>", at) - start));
}

std::set<std::string> Legends(const std::string& html) {
    std::set<std::string> legends;
    for (auto at = html.find("<legend"); at != std::string::npos;
         at = html.find("<legend", at + 1)) {
        const auto start = html.find('>', at) + 1;
        legends.insert(
            ReadOut(std::string_view(html).substr(start, html.find("</legend>", at) - start)));
    }
    return legends;
}

TEST(PageId, ArrayElementsTakeADashOtherNamesStay) {
    const struct {
        std::string_view control;
        std::string_view id;
    } cases[] = {
        {"txtISR08(0)", "txtISR08-0"}, {"txtRet08(0)", "txtRet08-0"}, {"lbl(13)", "lbl-13"},
        {"txtBase", "txtBase"},        {"cmbTarifa", "cmbTarifa"},    {"odd(", "odd("},
    };
    for (const auto& c : cases) EXPECT_EQ(PageId(c.control), c.id) << c.control;
}

TEST(PageHtml, EveryBoxHasItsTableCaption) {
    const std::string html = PageHtml();
    for (const BoxLabel& label : kBoxLabels) {
        EXPECT_EQ(LabelFor(html, PageId(label.control)), label.caption) << label.control;
    }
    for (const auto& table : {kEnteredLabels, kGrossUpLabels}) {
        for (const FigureLabel& label : table) {
            EXPECT_EQ(LabelFor(html, PageId(label.control)), label.caption) << label.control;
        }
    }
    for (const PaymentFigureLabel& label : kPaymentFigureLabels) {
        if (label.figure == PaymentFigure::kWithholdsLess) continue;  // a sentence, no box
        EXPECT_EQ(LabelFor(html, PaymentFigureId(label)), label.caption) << label.jsonKey;
    }
}

TEST(PageHtml, EverySectionHeadingIsALegend) {
    const auto legends = Legends(PageHtml());
    for (const FigureSection* section :
         {&kIsrSection, &kSubsidySection, &kExemptionSection, &kSpreadSection, &kMonthlySection}) {
        EXPECT_TRUE(legends.contains(std::string(section->heading))) << section->heading;
    }
}

// The chart's table of points heads its columns with the captions of the figures it shows; the
// subsidy's column stands for the period's subsidy or the annual sum, and keeps a word of its own.
TEST(PageHtml, TheChartsColumnsAreHeadedByTheFiguresCaptions) {
    const std::string html = PageHtml();
    std::vector<std::string> headers;
    for (auto at = html.find("<th scope=\"col\">"); at != std::string::npos;
         at = html.find("<th scope=\"col\">", at + 1)) {
        const auto start = html.find('>', at) + 1;
        headers.push_back(
            ReadOut(std::string_view(html).substr(start, html.find("</th>", at) - start)));
    }
    const std::vector<std::string> expected = {
        std::string(LabelOf(EnteredFigure::kBase).caption),
        std::string(LabelOf(ResultBox::kDeterminedTax).caption), "Subsidio",
        std::string(LabelOf(GrossUpFigure::kNet).caption)};
    EXPECT_EQ(headers, expected);
}

// A JSON object holds each key once, a CSV header each column once, and each control shows one
// figure.
TEST(Labels, KeysColumnsAndControlsAreEachUsedOnce) {
    std::set<std::string> boxKeys, boxColumns, controls, paymentKeys, paymentColumns;
    const auto once = [](std::set<std::string>& seen, std::string_view name) {
        EXPECT_TRUE(seen.insert(std::string(name)).second) << name;
    };
    for (const BoxLabel& label : kBoxLabels) {
        once(boxKeys, std::string(label.section->jsonGroup) + "." + std::string(label.jsonKey));
        once(boxColumns, label.csvColumn);
        once(controls, label.control);
    }
    for (const SettlementLabel& label : kSettlementLabels) once(boxColumns, label.csvColumn);
    for (const FigureLabel& label : kEnteredLabels) {
        once(boxKeys, "." + std::string(label.jsonKey));
        once(controls, label.control);
    }
    for (const FigureLabel& label : kGrossUpLabels) once(controls, label.control);
    for (const PaymentFigureLabel& label : kPaymentFigureLabels) {
        once(paymentKeys, std::string(label.section->jsonGroup) + "." + std::string(label.jsonKey));
        once(paymentColumns, label.csvColumn);
    }
}

}  // namespace
}  // namespace isr
