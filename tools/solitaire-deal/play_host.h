#pragma once
// The headless table: every feedback of play as text lines, and the
// geometry of the chosen card size with untidy piles off.
#include <ostream>
#include <string>

#include "engine/silent_feedback.h"
#include "engine/sounds.h"

namespace vantrel {
struct Game;
}

namespace solitaire_deal {

using namespace vantrel;

class PlayHost : public SilentFeedback, public SoundDevice {
public:
    PlayHost(std::ostream& out, TableGeometry geometry) : SilentFeedback(geometry), out_(out) {}

    // Only what the output shows is recorded; the rest stays silent.
    void infoBox(std::string_view text) override { out_ << "message " << text << '\n'; }
    void beep() override { out_ << "beep\n"; }
    void peek(int card, int, int) override;
    void gameEnded(bool won) override { out_ << "endgame " << (won ? "won" : "lost") << '\n'; }

    // SoundDevice: the sound's name without its folder and ".wav".
    void play(const std::string& path, SoundPlay how) override;
    void stop() override {}

private:
    std::ostream& out_;
};

}  // namespace solitaire_deal
