// SPDX-License-Identifier: MIT
// Switching panels with the navigation bar.
#include <QLabel>

#include "ui/click_box.h"
#include "ui/system_colours.h"
#include "window_fixture.h"

namespace isr {
namespace {

// 355 and 365 twips both round to 24 pixels at 96 dots per inch; 345 to 23.
constexpr int kSelectedHeight = 24;
constexpr int kUnselectedHeight = 23;

struct NavState {
    int panel;
    std::array<bool, 2> bold;  // lblBtn(0), lblBtn(1)
};

class NavigationTest : public WindowTest {
  protected:
    QWidget* find(const std::string& name) const { return Find(name); }
    void ExpectState(const NavState& state) const;
};

void NavigationTest::ExpectState(const NavState& state) const {
    const QColor white(0xFF, 0xFF, 0xFF);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE("element " + std::to_string(k));
        const std::string index = "(" + std::to_string(k) + ")";
        EXPECT_EQ(find("frame" + index)->isVisible(), k == state.panel);
        auto* button = static_cast<ClickBox*>(find("picBtn" + index));
        EXPECT_EQ(button->height(), k == state.panel ? kSelectedHeight : kUnselectedHeight);
        EXPECT_EQ(button->Background(), k == state.panel ? ButtonFace() : white);
    }
    EXPECT_EQ(find("lblBtn(0)")->font().bold(), state.bold[0]);
    EXPECT_EQ(find("lblBtn(1)")->font().bold(), state.bold[1]);
    // The products caption never changes.
    const auto* products = static_cast<QLabel*>(find("lblBtn(2)"));
    EXPECT_TRUE(products->font().bold());
    EXPECT_EQ(products->palette().color(QPalette::WindowText), QColor(0xC0, 0x00, 0x00));
}

TEST_F(NavigationTest, StartsOnTheCalculationPanelWithItsButtonRaised) {
    ExpectState({0, {true, false}});
    // The selected button covers Shape1's top border to join the panel; the others end above it.
    const QWidget* shape = Find("Shape1");
    EXPECT_EQ(Find("picBtn(0)")->geometry().bottom(), shape->y());
    EXPECT_EQ(Find("picBtn(1)")->geometry().bottom(), shape->y() - 1);
}

TEST_F(NavigationTest, NavigationClicksSelectTheirPanel) {
    struct Step {
        const char* click;
        NavState after;
    };
    // Captions, the buttons' strips outside them and the link all end in the same routine.
    const Step steps[] = {
        {"lblBtn(1)", {1, {false, true}}}, {"lblBtn(2)", {2, {false, false}}},
        {"lblBtn(0)", {0, {true, false}}}, {"lblBtn(0)", {0, {true, false}}},
        {"picBtn(1)", {1, {false, true}}}, {"picBtn(2)", {2, {false, false}}},
        {"picBtn(0)", {0, {true, false}}}, {"lbllink(1)", {2, {false, false}}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string("click on ") + step.click);
        const QWidget* target = Find(step.click);
        ASSERT_NE(target, nullptr);
        // A picture box is hit on its top strip, above the caption label.
        const QPoint point = std::string(step.click).starts_with("picBtn")
                                 ? QPoint(target->width() / 2, 2)
                                 : target->rect().center();
        ClickAt(target, point);
        ExpectState(step.after);
    }
    EXPECT_TRUE(opened_.empty());
}

}  // namespace
}  // namespace isr
