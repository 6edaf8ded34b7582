#pragma once
// The actions the move executor carries out. Inside the engine an action is
// a value, a kind plus the 1-based pile number some kinds carry; the names
// ("Dest3", "Mazzo_Vis", "Add_Reserve_2") are read and written only at the
// edges: the driver, the tests and the string form of `Execute`.
#include <string>
#include <string_view>

namespace vantrel {

enum class ActionKind {
    Unknown,
    Dest,             // "Dest" + n: player move to foundation n
    DestAutoplay,     // "Dest_Autoplay" + n
    Fila,             // "Fila" + n: card or run to row n
    Appogg,           // "Appogg" + n: card to reserve n
    Waste,            // card to the second waste
    Stock02,          // card onto the waste
    Mazzo,            // stock actions
    MazzoVis,
    MazzoWaste,
    MazzoRedeal,
    AddTableaus,      // deals from the stock
    AddTableausLast,
    FillTableaus,
    AddReserves,
    AddReserve,       // "Add_Reserve_" + n
    SelezionateDest,  // pair discard
    SelezionateFila,  // refill empty rows
    MonteCarlo,       // "Stock_To_Pile_Monte_Carlo": close up and refill
};

struct Action {
    ActionKind kind = ActionKind::Unknown;
    int n = 0;  // 1-based pile number of the kinds that carry one
};

// Foundation and row numbers are one or two digits after the name
// ("Dest12", "Dest_Autoplay3"), reserve numbers one digit ("Appogg4",
// "Add_Reserve_2"). Anything else, including a number 0, is Unknown.
Action parseAction(std::string_view name);

// The name `parseAction` reads back; "" for Unknown or a missing number.
std::string actionName(const Action& action);

// True for the kinds that carry a pile number.
bool carriesNumber(ActionKind kind);

bool isStockAction(ActionKind kind);

}  // namespace vantrel
