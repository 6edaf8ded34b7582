#include "view/motion/flight_path.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/card_settings.h"
#include "model/pile_positions.h"

namespace vantrel {

namespace {

// True once `pos`, moving from `start` towards `target`, reached or passed it.
bool reached(int pos, int start, int target) { return target >= start ? pos >= target : pos <= target; }

int trunc(double v) { return static_cast<int>(std::trunc(v)); }

}  // namespace

int flightStepLength(int dist, bool quick) {
    const double d = std::abs(dist);
    if (d == 0) return 0;
    // Long flights take longer steps, but fewer of them per pixel.
    int step = trunc(d / (d / 50 * 100 / 6.25 * 4 / 100 + 4) + 0.5);
    if (quick) step = trunc(step * 0.3);
    step = std::min(step, std::abs(dist));
    return dist < 0 ? -step : step;
}

std::vector<FlightStep> planFlight(const FlightRequest& r) {
    using Kind = FlightStep::Kind;
    const int depth = r.shadowsOn ? ShadowDepth : 0;
    int tx = r.targetX, ty = r.targetY;
    if (r.shadow) {
        tx -= depth;
        ty -= depth;
    }
    // A pile the game does not place lies off the table, above and left.
    if (tx < UnplacedLimit) tx = -3 * r.cardW;
    if (ty < UnplacedLimit) ty = -3 * r.cardH;

    const bool xLeads = std::abs(tx - r.startX) >= std::abs(ty - r.startY);
    const int leadStart = xLeads ? r.startX : r.startY, leadTarget = xLeads ? tx : ty;
    const int otherStart = xLeads ? r.startY : r.startX, otherTarget = xLeads ? ty : tx;
    const int step = flightStepLength(leadTarget - leadStart, r.quick);
    const bool pauses = !r.quick && r.speed > 0;

    std::vector<FlightStep> out;
    int lead = leadStart;
    bool leadArrived = false, otherArrived = false;
    while (step != 0) {
        lead += step;
        if (reached(lead, leadStart, leadTarget)) {
            lead = leadTarget;
            leadArrived = true;
        }
        const int p = trunc(std::abs(lead - leadStart) * 100.0 / std::abs(leadTarget - leadStart) + 0.5);
        int other = otherStart + (otherTarget - otherStart) * p / 100;
        if (reached(other, otherStart, otherTarget)) {
            other = otherTarget;
            otherArrived = true;
        }
        if (pauses) out.push_back({Kind::Wait, 0, 0, r.speed});
        if (leadArrived && otherArrived) break;
        out.push_back({Kind::Move, xLeads ? lead : other, xLeads ? other : lead, 0});
    }

    out.push_back({Kind::ShadowsBack});
    if (r.shadow) {
        // Settle: shown lifted with its shadow, then dropped into place.
        out.push_back({Kind::Move, tx, ty, 0});
        tx += depth;
        ty += depth;
        if (pauses) out.push_back({Kind::Wait, 0, 0, 2 * r.speed});
    }
    out.push_back({Kind::Land, tx, ty, 0});
    return out;
}

}  // namespace vantrel
