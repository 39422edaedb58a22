// SPDX-License-Identifier: MIT
#include "cli/batch_progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace isr::cli {
namespace {

TEST(ProgressLine, QuickBatchesShowNothing) {
    std::ostringstream terminal;
    ProgressLine progress(terminal, std::chrono::hours(1));
    progress.Update(1000);
    progress.Hide();
    progress.Finish(2000);
    EXPECT_EQ(terminal.str(), "");
}

TEST(ProgressLine, RewritesItselfAndEndsWithTheTotal) {
    std::ostringstream terminal;
    ProgressLine progress(terminal, std::chrono::seconds(0));
    progress.Update(123456);
    EXPECT_TRUE(terminal.str().starts_with("\r123456 filas, ")) << terminal.str();
    EXPECT_TRUE(terminal.str().ends_with(" filas/s")) << terminal.str();

    // Hidden before other text, the line is blanked out and drawn again on the next update.
    const auto shown = terminal.str().size() - 1;
    terminal.str("");
    progress.Hide();
    EXPECT_EQ(terminal.str(), "\r" + std::string(shown, ' ') + "\r");
    terminal.str("");
    progress.Update(200000);
    EXPECT_TRUE(terminal.str().starts_with("\r200000 filas, ")) << terminal.str();

    terminal.str("");
    progress.Finish(250000);
    EXPECT_TRUE(terminal.str().starts_with("\r250000 filas, ")) << terminal.str();
    EXPECT_TRUE(terminal.str().ends_with("\n"));
}

}  // namespace
}  // namespace isr::cli
