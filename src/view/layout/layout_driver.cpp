#include "view/layout/layout_driver.h"

#include "model/card_settings.h"
#include "model/game.h"

namespace vantrel {

LayoutArea layoutArea(const StateRecord& state, const WindowMetrics& w) {
    LayoutArea area;
    area.width = w.windowWidth - w.scrollBarWidth;
    area.height = w.winH;
    area.bottom = w.clientHeight - 1;
    area.top = 5;
    for (const WindowMetrics::Bar* bar : {&w.demoPanel, &w.largeToolbar, &w.smallToolbar}) {
        if (bar->visible) {
            area.top = bar->top + bar->height;
            break;
        }
    }
    area.screenW = w.screenW;
    area.screenH = w.screenH;
    area.winH = w.winH;
    area.shadow = cardShadowDepth(state);
    area.scrollPosition = w.scrollPosition;
    area.cardSize = cardSizeLetter(state.read(field::Card_Size)).value_or('B');
    return area;
}

LayoutResult LayoutDriver(Game& game, const WindowMetrics& window) {
    return Layout(layoutInputs(game.params, layoutArea(game.state, window)), game.positions);
}

}  // namespace vantrel
