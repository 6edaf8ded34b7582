#include "view/layout/layout_inputs.h"

#include <cstdio>

#include "model/game_params.h"
#include "model/param_ids.h"

namespace vantrel {

std::string PlacementCode::text() const {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", arrangement);
    return std::string(1, row) + digits;
}

PlacementCode placementCode(const GameParams& params, int rowSlot, int arrangementSlot) {
    return {std::to_string(params[rowSlot]).front(), params[arrangementSlot]};
}

CardDims cardDims(char cardSize) {
    switch (cardSize) {
        case 'M': return {59, 80, 1};
        case 'L': return {25, 32, 2};
        default: return {71, 96, 0};
    }
}

namespace {
GroupPlacement group(const GameParams& p, int rowSlot, int arrangementSlot, int countSlot) {
    return {placementCode(p, rowSlot, arrangementSlot), p[countSlot]};
}
}  // namespace

LayoutInputs layoutInputs(const GameParams& p, const LayoutArea& area) {
    LayoutInputs in;
    const CardDims card = cardDims(area.cardSize);
    in.cardW = card.width;
    in.cardH = card.height;
    in.stock = group(p, param::StockRow, param::StockArrangement, param::StockPilesShown);
    in.foundations = group(p, param::FoundationRow, param::FoundationArrangement, param::Foundations);
    in.tableau = group(p, param::TableauRow, param::TableauArrangement, param::TableauRows);
    in.reserves = group(p, param::ReserveRow, param::ReserveArrangement, param::Reserves);
    in.secondWaste = group(p, param::SecondWasteRow, param::SecondWasteArrangement, param::SecondWaste);
    in.width = area.width;
    in.height = area.height;
    in.bottom = area.bottom;
    in.top = area.top;
    in.screenW = area.screenW;
    in.screenH = area.screenH;
    in.winH = area.winH;
    in.shadow = area.shadow;
    in.scrollPosition = area.scrollPosition;
    in.tableauFanMode = p[param::TableauDisplay];
    in.hasStockPile = p[param::HasStock] == 1;
    in.hasWastePile = p[param::HasWaste] == 1;
    in.tableauRows = p[param::TableauTableRows];
    return in;
}

}  // namespace vantrel
