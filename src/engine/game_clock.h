#pragma once
// The playing time of the game in progress, shown as "h:nn:ss".
#include <chrono>
#include <functional>
#include <string>

namespace vantrel {

class ScoreBoard;

class GameClock {
public:
    using Clock = std::chrono::steady_clock;
    using TimeSource = std::function<Clock::time_point()>;

    // Tests pass their own time source; the program uses the steady clock,
    // so a game played across midnight or a clock change still counts up.
    explicit GameClock(TimeSource now = [] { return Clock::now(); });

    void start();  // start time = now
    void stop();   // the elapsed time stays as it was at this moment
    bool running() const { return running_; }
    std::chrono::seconds elapsed() const;
    std::string text() const { return formatElapsed(elapsed()); }

    // The one-second timer: shows the time while the clock runs.
    void tick(ScoreBoard& board) const;

    // Hours without a leading zero, minutes and seconds with two digits.
    static std::string formatElapsed(std::chrono::seconds s);
    static std::string zeroTime() { return formatElapsed(std::chrono::seconds{0}); }

private:
    TimeSource now_;
    bool running_ = false;
    Clock::time_point start_{};
    Clock::time_point end_{};
};

}  // namespace vantrel
