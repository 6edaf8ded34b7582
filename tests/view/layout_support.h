#pragma once
// Building game parameters and drawing areas for layout tests.
#include <string>

#include "model/game_params.h"
#include "view/layout/layout.h"
#include "view/layout/layout_inputs.h"
#include "model/param_ids.h"

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
    put(t.tableau, param::TableauRow, param::TableauArrangement, param::TableauRows);
    put(t.stock, param::StockRow, param::StockArrangement, param::StockPilesShown);
    put(t.foundations, param::FoundationRow, param::FoundationArrangement, param::Foundations);
    put(t.reserves, param::ReserveRow, param::ReserveArrangement, param::Reserves);
    put(t.secondWaste, param::SecondWasteRow, param::SecondWasteArrangement, param::SecondWaste);
    p.set(param::TableauTableRows, t.tableauRows);
    p.set(param::TableauDisplay, t.fanMode);
    p.set(param::HasStock, t.stockPile ? 1 : 0);
    p.set(param::HasWaste, t.wastePile ? 1 : 0);
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
