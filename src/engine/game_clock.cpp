#include "engine/game_clock.h"

#include "engine/score.h"

namespace vantrel {

GameClock::GameClock(TimeSource now) : now_(std::move(now)) {}

void GameClock::start() {
    start_ = now_();
    running_ = true;
}

void GameClock::stop() {
    if (running_) end_ = now_();
    running_ = false;
}

std::chrono::seconds GameClock::elapsed() const {
    const Clock::time_point until = running_ ? now_() : end_;
    if (until <= start_) return std::chrono::seconds{0};
    return std::chrono::duration_cast<std::chrono::seconds>(until - start_);
}

void GameClock::tick(ScoreBoard& board) const {
    if (running_) board.showTime(text());
}

std::string GameClock::formatElapsed(std::chrono::seconds s) {
    const long long total = s.count() < 0 ? 0 : s.count();
    const long long minutes = total / 60 % 60;
    const long long seconds = total % 60;
    std::string out = std::to_string(total / 3600) + ':';
    if (minutes < 10) out += '0';
    out += std::to_string(minutes) + ':';
    if (seconds < 10) out += '0';
    out += std::to_string(seconds);
    return out;
}

}  // namespace vantrel
