#include "view/layout/layout.h"

#include "view/layout/layout_pass.h"

namespace vantrel {

LayoutResult Layout(const LayoutInputs& in, PilePositions& positions) {
    LayoutResult result;
    positions.scrollOffset = 0;
    // A second pass only helps a row that can move (002), so one is enough.
    int forcedStart = 0;
    for (int pass = 1; pass <= 2; ++pass) {
        layout_detail::LayoutPass layoutPass(in, positions, forcedStart);
        forcedStart = layoutPass.run(pass == 1);
        result.fanRoomV = layoutPass.fanRoomV();
        result.fanRoomH = layoutPass.fanRoomH();
        result.passes = pass;
        if (forcedStart == 0) break;
    }

    constexpr PileGroup Tab = PileGroup::Tableau;
    if (in.tableauFanMode == 2) {
        result.fanRoomH = positions.rawY(Tab, 0) == positions.rawY(Tab, 1)
                              ? positions.x(Tab, 1) - positions.x(Tab, 0)
                              : positions.x(PileGroup::Foundation, 0) - positions.x(Tab, 0);
    }
    for (int i = 0; i < StockPiles; ++i) {
        const int y = positions.rawY(PileGroup::Stock, i);
        result.stockCopies[static_cast<size_t>(i)] = {positions.x(PileGroup::Stock, i), y - in.scrollPosition, y};
    }
    positions.scrollOffset = in.scrollPosition;
    return result;
}

}  // namespace vantrel
