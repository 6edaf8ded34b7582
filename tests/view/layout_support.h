#pragma once
// Building game parameters and drawing areas for layout tests.
#include <string>

#include "model/game_params.h"
#include "view/layout/layout.h"
#include "view/layout/layout_inputs.h"

namespace vantrel::test {

// One group's placement: row digit, arrangement, count.
struct Group {
    int row = 0;
    int arrangement = 0;
    int count = 0;
};

struct TableDef {
    std::string name;
    Group tableau, stock, foundations, reserves, secondWaste;
    int tableauRows = 1;     // parameter 255
    int fanMode = 1;         // parameter 3
    bool stockPile = true;   // parameter 7
    bool wastePile = true;   // parameter 8
};

inline GameParams paramsFor(const TableDef& t) {
    GameParams p;
    const auto put = [&p](const Group& g, int rowSlot, int arrangementSlot, int countSlot) {
        p.set(rowSlot, g.row);
        p.set(arrangementSlot, g.arrangement);
        p.set(countSlot, g.count);
    };
    put(t.tableau, slot::TableauRow, slot::TableauArrangement, slot::TableauCount);
    put(t.stock, slot::StockRow, slot::StockArrangement, slot::StockCount);
    put(t.foundations, slot::FoundationRow, slot::FoundationArrangement, slot::FoundationCount);
    put(t.reserves, slot::ReserveRow, slot::ReserveArrangement, slot::ReserveCount);
    put(t.secondWaste, slot::WasteRow, slot::WasteArrangement, slot::WasteCount);
    p.set(slot::TableauRowCount, t.tableauRows);
    p.set(slot::TableauFanMode, t.fanMode);
    p.set(slot::HasStock, t.stockPile ? 1 : 0);
    p.set(slot::HasWaste, t.wastePile ? 1 : 0);
    return p;
}

// A maximised window on a screen of the given size: scroll bar 16, task bar
// 40, title and menu 46, toolbar ending at 33.
inline LayoutArea screenArea(int screenW, int screenH, char card = 'B', int shadow = 9) {
    LayoutArea a;
    a.screenW = screenW;
    a.screenH = screenH;
    a.width = screenW - 16;
    a.winH = screenH - 40;
    a.height = a.winH;
    a.top = 33;
    a.bottom = a.winH - 46;
    a.shadow = shadow;
    a.cardSize = card;
    return a;
}

inline LayoutInputs inputsFor(const TableDef& t, const LayoutArea& area) {
    return layoutInputs(paramsFor(t), area);
}

}  // namespace vantrel::test
