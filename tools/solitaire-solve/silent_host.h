#pragma once
// The table as the solver plays it: nothing drawn, nothing heard; only the
// end of a game is noted.
#include "engine/silent_feedback.h"

namespace solitaire_solve {

using namespace vantrel;

class SilentHost : public SilentFeedback {
public:
    explicit SilentHost(TableGeometry geometry) : SilentFeedback(geometry) {}

    bool won = false;  // the last game that ended was won

    void gameEnded(bool w) override { won = w; }
};

}  // namespace solitaire_solve
