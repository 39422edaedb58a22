// SPDX-License-Identifier: MIT
// "rows done, rows per second" for a person watching a long batch on a terminal. The line
// rewrites itself in place, and shows up only once the batch has taken more than a moment.
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>

namespace isr::cli {

class ProgressLine {
  public:
    using Clock = std::chrono::steady_clock;

    explicit ProgressLine(std::ostream& terminal,
                          Clock::duration firstShownAfter = std::chrono::seconds(1));

    // Redraws the line, at most a few times a second.
    void Update(std::uint64_t rows);
    // Wipes the line so that other text can go to the terminal; the next update redraws it.
    void Hide();
    // The final figures on a line of their own, if the line was ever shown.
    void Finish(std::uint64_t rows);

  private:
    void Draw(std::uint64_t rows, Clock::time_point now);

    std::ostream& terminal_;
    Clock::time_point start_;
    Clock::time_point nextDraw_;
    std::size_t shownWidth_ = 0;  // of the line now on the terminal, 0 when none
    bool everShown_ = false;
};

}  // namespace isr::cli
