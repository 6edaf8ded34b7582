#include "view/layout/layout_driver.h"

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
    area.shadow = state.read(field::Cards_Shadowed) != "N" ? 9 : 0;
    area.scrollPosition = w.scrollPosition;
    const std::string size = state.read(field::Card_Size);
    area.cardSize = size.empty() ? 'B' : size.front();
    return area;
}

LayoutResult LayoutDriver(Game& game, const WindowMetrics& window) {
    return Layout(layoutInputs(game.params, layoutArea(game.state, window)), game.positions);
}

}  // namespace vantrel
