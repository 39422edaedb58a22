// SPDX-License-Identifier: MIT
#include "cli/batch_progress.h"

#include <ostream>
#include <string>

namespace isr::cli {

namespace {

constexpr auto kRedrawEvery = std::chrono::milliseconds(250);

}  // namespace

ProgressLine::ProgressLine(std::ostream& terminal, Clock::duration firstShownAfter)
    : terminal_(terminal), start_(Clock::now()), nextDraw_(start_ + firstShownAfter) {}

void ProgressLine::Draw(std::uint64_t rows, Clock::time_point now) {
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::microseconds>(now - start_).count();
    // Whole rows per second, in integers: a batch holds far fewer than 2^64 / 10^6 rows.
    const std::uint64_t perSecond =
        elapsed > 0 ? rows * 1'000'000 / static_cast<std::uint64_t>(elapsed) : 0;
    const auto line = std::to_string(rows) + " filas, " + std::to_string(perSecond) + " filas/s";
    terminal_ << '\r' << line;
    if (line.size() < shownWidth_) terminal_ << std::string(shownWidth_ - line.size(), ' ');
    terminal_.flush();
    shownWidth_ = line.size();
    everShown_ = true;
    nextDraw_ = now + kRedrawEvery;
}

void ProgressLine::Update(std::uint64_t rows) {
    const auto now = Clock::now();
    if (now >= nextDraw_) Draw(rows, now);
}

void ProgressLine::Hide() {
    if (shownWidth_ == 0) return;
    terminal_ << '\r' << std::string(shownWidth_, ' ') << '\r';
    shownWidth_ = 0;
    // Redraw on the next update rather than after the usual pause.
    nextDraw_ = Clock::time_point::min();
}

void ProgressLine::Finish(std::uint64_t rows) {
    if (!everShown_) return;
    Draw(rows, Clock::now());
    terminal_ << '\n';
    shownWidth_ = 0;
}

}  // namespace isr::cli
