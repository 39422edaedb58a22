// SPDX-License-Identifier: MIT
// The monkey: long random sequences of real key, mouse and wheel events, drops, input-method
// commits and context-menu choices on frmMain, checking after every event what must always hold.
// ./test runs 10,000 events; more on demand:
//
//   ISR_MONKEY_EVENTS=1000000 ISR_MONKEY_START=7 build/release/tests/ui/ui_monkey_test
//
// A failure prints the starting value, the event number and the last events before it.
#include <QApplication>
#include <QMenu>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <functional>
#include <iostream>

#include "monkey_checks.h"
#include "monkey_generator.h"
#include "monkey_player.h"
#include "window_fixture.h"

namespace isr {
namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says so on every opening of the period list.
void QuietUnsupported(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    previousHandler(type, context, message);
}

MonkeyGenerator::Popup OpenPopup() {
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup) return MonkeyGenerator::Popup::None;
    return qobject_cast<QMenu*>(popup) ? MonkeyGenerator::Popup::ContextMenu
                                       : MonkeyGenerator::Popup::PeriodList;
}

class MonkeyTest : public WindowTest {
  protected:
    static void SetUpTestSuite() {
        WindowTest::SetUpTestSuite();
        if (!previousHandler) previousHandler = qInstallMessageHandler(QuietUnsupported);
    }

    // Plays `count` events from `next`, checking after each; stops at the first broken rule.
    void Run(std::uint64_t count, const std::function<MonkeyEvent()>& next) {
        MonkeyChecks checks(*window_);
        const MonkeyPlayer player(*window_);
        std::deque<std::string> recent;
        for (std::uint64_t i = 1; i <= count; ++i) {
            const MonkeyEvent event = next();
            recent.push_back(std::to_string(i) + ": " + event.Describe());
            if (recent.size() > 30) recent.pop_front();
            checks.Before(event);
            player.Play(event);
            if (const std::string fault = checks.Check(); !fault.empty()) {
                std::string log;
                for (const std::string& line : recent) log += "  " + line + "\n";
                FAIL() << "after event " << i << ": " << fault << "\nlast events:\n" << log;
            }
        }
        calculations_ = checks.Calculations();
    }

    void TearDown() override {
        // An open period list would outlive the window.
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        WindowTest::TearDown();
    }

    int calculations_ = 0;
};

TEST_F(MonkeyTest, RandomEventsKeepEveryRuleOfTheWindow) {
    const std::uint64_t count = FromEnvironment("ISR_MONKEY_EVENTS", 10'000);
    const std::uint64_t start = FromEnvironment("ISR_MONKEY_START", 2016);
    SCOPED_TRACE("ISR_MONKEY_START=" + std::to_string(start));
    MonkeyGenerator generator(start);
    const auto began = std::chrono::steady_clock::now();
    Run(count, [&] { return generator.Next(OpenPopup()); });
    if (HasFatalFailure()) return;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
    std::cout << count << " events, " << calculations_ << " calculations, " << took.count()
              << " s\n";
}

}  // namespace
}  // namespace isr
