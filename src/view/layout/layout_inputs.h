#pragma once
// Everything the pile layout reads, as plain values: the placement codes and
// counts of the five pile groups, the card size and the drawing area.
#include <string>

#include "model/param_ids.h"

namespace vantrel {

// Row digit plus three-digit arrangement number, e.g. "2001".
struct PlacementCode {
    char row = '0';       // first character of the row slot's decimal text
    int arrangement = 0;  // 0 places nothing
    std::string text() const;
};

// Built from a row slot and an arrangement slot of the game parameters.
PlacementCode placementCode(const GameParams& params, int rowSlot, int arrangementSlot);

struct GroupPlacement {
    PlacementCode code;
    int count = 0;
};

struct CardDims {
    int width = 71;
    int height = 96;
    int sizeIndex = 0;  // 0 "B", 1 "M", 2 "L"
};

// "B" 71x96, "M" 59x80, "L" 25x32; anything else counts as "B".
CardDims cardDims(char cardSize);

// The window's share of the inputs; the layout driver and the headless deal
// tool fill it from their own sources.
struct LayoutArea {
    int width = 0;   // available width (window width minus the scroll bar)
    int height = 0;  // reference height
    int bottom = 0;
    int top = 5;
    int screenW = 0;
    int screenH = 0;
    int winH = 0;    // the main window's outer height
    int shadow = 0;  // ShadowDepth with shadowed cards, else 0
    int scrollPosition = 0;
    char cardSize = 'B';
};

struct LayoutInputs {
    int cardW = 71;
    int cardH = 96;
    GroupPlacement stock;  // slots 0 and 1: "Mazzo", "Mazzo_Vis"
    GroupPlacement foundations;
    GroupPlacement tableau;
    GroupPlacement reserves;
    GroupPlacement secondWaste;  // stock slot 2, "Mazzo_Waste"
    int width = 0;
    int height = 0;
    int bottom = 0;
    int top = 5;
    int screenW = 0;
    int screenH = 0;
    int winH = 0;
    int shadow = 0;
    int scrollPosition = 0;
    // Game parameters 3, 7, 8 and 255.
    int tableauFanMode = 0;
    bool hasStockPile = false;
    bool hasWastePile = false;
    int tableauRows = 0;
};

LayoutInputs layoutInputs(const GameParams& params, const LayoutArea& area);

}  // namespace vantrel
