#pragma once
// Where a flying card goes, step by step: pure arithmetic, so the window
// only carries the steps out (moves the drag picture, waits, lands).
#include <vector>

namespace vantrel {

struct FlightRequest {
    int startX = 0;
    int startY = 0;
    int targetX = 0;  // below -9999 for a pile the game does not place
    int targetY = 0;
    int cardW = 71;
    int cardH = 96;
    int speed = 0;           // `Speed_Move_Card`: pause after each step
    bool shadowsOn = false;  // `Cards_Shadowed` is not "N" as the flight starts
    bool shadow = false;     // land with the drop shadow
    bool quick = false;      // the short step and no pauses
};

struct FlightStep {
    enum class Kind {
        Move,         // the drag picture to (x, y), without drop
        Wait,         // busy wait of `ms` milliseconds
        ShadowsBack,  // `Cards_Shadowed` as it was before the flight
        Land,         // the last move to (x, y), stamping when asked
    };
    Kind kind = Kind::Move;
    int x = 0;
    int y = 0;
    int ms = 0;
    bool operator==(const FlightStep&) const = default;
};

// Pixels per step along the leading axis for a distance `dist` (signed),
// never more than the distance; the quick step is 0.3 of it.
int flightStepLength(int dist, bool quick);

// Everything a flight does after `Cards_Shadowed` was switched off and the
// old shadow removed, in order. The list always ends with a Land.
std::vector<FlightStep> planFlight(const FlightRequest& request);

}  // namespace vantrel
