#pragma once
// The one table of game parameter names.
//
// A game is a vector of 346 small integers (GameParams). Code never writes a
// parameter number: it writes `params[param::StockTurn]` for a scalar and
// `params[param::TableauRule.at(k)]` for entry k (0-based) of a per-pile range.
// `param::Names` gives each scalar and range the readable name that game
// definitions use; the game compiler reads its name table from there, so a
// name exists once. The helpers below clamp the "piles in use" counts to the
// group sizes, which every reader needs.
#include <algorithm>
#include <string_view>

#include "model/game_params.h"
#include "model/piles.h"

namespace vantrel::param {

// A block of consecutive parameters, one per pile of a group.
struct Range {
    int first;
    int count;
    constexpr int at(int index) const { return first + index; }     // index counts from 0
    constexpr int number(int n) const { return first + n - 1; }      // n counts from 1
};

inline constexpr int FirstFoundationSetsBase = 1;
inline constexpr int RunCheckMode = 2;
inline constexpr int TableauDisplay = 3;  // also the tableau's fan mode
inline constexpr int FoundationDisplay = 4;
inline constexpr int ReserveDisplay = 5;
inline constexpr int StockFace = 6;  // 0: the stock's cards are dealt face up
inline constexpr int HasStock = 7;
inline constexpr int HasWaste = 8;
inline constexpr int DealToFirstFoundation = 10;
inline constexpr int RunSizeMode = 11;
inline constexpr int ReservePickup = 12;
inline constexpr int AnyReserveCard = -11;  // ReservePickup: every reserve card is available
inline constexpr int StockPasses = 13;
inline constexpr int WasteRedeal = 14;
inline constexpr int DealToEmptyWasteOnly = 15;
inline constexpr int FoundationPickup = 16;
inline constexpr int Autoplay = 17;
inline constexpr int StockTurn = 19;
inline constexpr int TableauAutofill = 20;
inline constexpr int SweepOrder = 21;  // also: the animated deal goes pile by pile
inline constexpr int FoundationCapacity = 25;
inline constexpr int SpecialDeal = 26;
inline constexpr int WideTable = 29;
inline constexpr int PairSum = 30;
inline constexpr int FirstMoveToFoundation = 31;
inline constexpr int FillAfterFirstMove = 32;
inline constexpr int FoundationCredit = 33;
inline constexpr int Family = 35;
inline constexpr Range FoundationBase{36, 16};  // entry 0 is also the tableau's reference rank
inline constexpr Range FoundationDirection{52, 16};
inline constexpr Range FoundationRule{68, 16};
inline constexpr Range FoundationStart{84, 16};
inline constexpr Range TableauBase{100, 26};
inline constexpr Range TableauDirection{126, 26};
inline constexpr Range TableauRule{152, 26};
inline constexpr Range TableauWrap{178, 26};
inline constexpr Range TableauAddFlag{204, 26};  // flags of the "Add_Tableaus" stock actions
inline constexpr Range ReserveType{230, 8};
inline constexpr Range ReserveMode{238, 8};  // entry 0 is the mode, all are "Add_Reserves" flags
inline constexpr int SecondWasteStart = 246;
inline constexpr int WasteDrop = 247;
inline constexpr int WasteNoDrop = 248;
inline constexpr int StockArrangement = 249;
inline constexpr int StockRow = 250;
inline constexpr int FoundationArrangement = 251;
inline constexpr int FoundationRow = 252;
inline constexpr int TableauArrangement = 253;
inline constexpr int TableauRow = 254;
inline constexpr int TableauTableRows = 255;
inline constexpr int ReserveArrangement = 256;
inline constexpr int ReserveRow = 257;
inline constexpr int SecondWasteArrangement = 258;  // not 0 also marks a game with a second waste
inline constexpr int SecondWasteRow = 259;
inline constexpr int StockPilesShown = 260;
inline constexpr int Foundations = 261;
inline constexpr int TableauRows = 262;
inline constexpr int Reserves = 263;
inline constexpr int SecondWaste = 264;
inline constexpr int DeckSize = 265;
inline constexpr int StockCards = 266;
inline constexpr int WasteCards = 267;
inline constexpr Range TableauDeal{268, 26};
inline constexpr Range TableauFace{294, 26};
inline constexpr int SecondWasteCards = 320;
inline constexpr Range ReserveDeal{321, 8};
inline constexpr Range ReserveFace{329, 8};
// The game chooser's description: game time 0 long .. 2 quick, difficulty
// 0 easy .. 2 hard, chance of winning 0 very high .. 4 very low, and the
// odds "about (won) in (of)", shown when `OddsOf` is not 0.
inline constexpr int GameTime = 340;
inline constexpr int Difficulty = 341;
inline constexpr int WinningChance = 343;
inline constexpr int OddsWon = 344;
inline constexpr int OddsOf = 345;

// The readable name of a scalar (count 1) or a range; a range's index in a
// game definition counts from 1.
struct Name {
    std::string_view name;
    int first;
    int count;
};

inline constexpr Name Names[] = {
    {"first_foundation_sets_base", FirstFoundationSetsBase, 1},
    {"run_check_mode", RunCheckMode, 1},
    {"tableau_display", TableauDisplay, 1},
    {"foundation_display", FoundationDisplay, 1},
    {"reserve_display", ReserveDisplay, 1},
    {"stock_face", StockFace, 1},
    {"has_stock", HasStock, 1},
    {"has_waste", HasWaste, 1},
    {"deal_to_first_foundation", DealToFirstFoundation, 1},
    {"run_size_mode", RunSizeMode, 1},
    {"reserve_pickup", ReservePickup, 1},
    {"stock_passes", StockPasses, 1},
    {"waste_redeal", WasteRedeal, 1},
    {"deal_to_empty_waste_only", DealToEmptyWasteOnly, 1},
    {"foundation_pickup", FoundationPickup, 1},
    {"autoplay", Autoplay, 1},
    {"stock_turn", StockTurn, 1},
    {"tableau_autofill", TableauAutofill, 1},
    {"sweep_order", SweepOrder, 1},
    {"foundation_capacity", FoundationCapacity, 1},
    {"special_deal", SpecialDeal, 1},
    {"wide_table", WideTable, 1},
    {"pair_sum", PairSum, 1},
    {"first_move_to_foundation", FirstMoveToFoundation, 1},
    {"fill_after_first_move", FillAfterFirstMove, 1},
    {"foundation_credit", FoundationCredit, 1},
    {"family", Family, 1},
    {"foundation_base", FoundationBase.first, FoundationBase.count},
    {"foundation_direction", FoundationDirection.first, FoundationDirection.count},
    {"foundation_rule", FoundationRule.first, FoundationRule.count},
    {"foundation_start", FoundationStart.first, FoundationStart.count},
    {"tableau_base", TableauBase.first, TableauBase.count},
    {"tableau_direction", TableauDirection.first, TableauDirection.count},
    {"tableau_rule", TableauRule.first, TableauRule.count},
    {"tableau_wrap", TableauWrap.first, TableauWrap.count},
    {"reserve_type", ReserveType.first, ReserveType.count},
    {"reserve_mode", ReserveMode.first, ReserveMode.count},
    {"second_waste_start", SecondWasteStart, 1},
    {"waste_drop", WasteDrop, 1},
    {"waste_no_drop", WasteNoDrop, 1},
    {"stock_arrangement", StockArrangement, 1},
    {"stock_row", StockRow, 1},
    {"foundation_arrangement", FoundationArrangement, 1},
    {"foundation_row", FoundationRow, 1},
    {"tableau_arrangement", TableauArrangement, 1},
    {"tableau_row", TableauRow, 1},
    {"tableau_table_rows", TableauTableRows, 1},
    {"reserve_arrangement", ReserveArrangement, 1},
    {"reserve_row", ReserveRow, 1},
    {"second_waste_arrangement", SecondWasteArrangement, 1},
    {"second_waste_row", SecondWasteRow, 1},
    {"stock_piles", StockPilesShown, 1},
    {"foundations", Foundations, 1},
    {"tableau_rows", TableauRows, 1},
    {"reserves", Reserves, 1},
    {"second_waste", SecondWaste, 1},
    {"deck_size", DeckSize, 1},
    {"stock_cards", StockCards, 1},
    {"waste_cards", WasteCards, 1},
    {"tableau_deal", TableauDeal.first, TableauDeal.count},
    {"tableau_face", TableauFace.first, TableauFace.count},
    {"second_waste_cards", SecondWasteCards, 1},
    {"reserve_deal", ReserveDeal.first, ReserveDeal.count},
    {"reserve_face", ReserveFace.first, ReserveFace.count},
    {"game_time", GameTime, 1},
    {"difficulty", Difficulty, 1},
    {"winning_chance", WinningChance, 1},
    {"odds_won", OddsWon, 1},
    {"odds_of", OddsOf, 1},
};

// Piles of each group in use, clamped to the group's size.
inline int foundationsInUse(const GameParams& p) { return std::clamp(p[Foundations], 0, FoundationPiles); }
inline int rowsInUse(const GameParams& p) { return std::clamp(p[TableauRows], 0, TableauPiles); }
inline int reservesInUse(const GameParams& p) { return std::clamp(p[Reserves], 0, ReservePiles); }
inline int inUse(const GameParams& p, PileGroup g) {
    switch (g) {
        case PileGroup::Foundation: return foundationsInUse(p);
        case PileGroup::Tableau: return rowsInUse(p);
        case PileGroup::Reserve: return reservesInUse(p);
        case PileGroup::Stock: break;
    }
    return StockPiles;
}
inline int family(const GameParams& p) { return p[Family]; }

}  // namespace vantrel::param
