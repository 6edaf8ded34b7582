#include "view/mark_choice.h"

#include "model/game_params.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {

constexpr int QueenMark = 3;
constexpr int AnySuitMark = 4;
constexpr int PlainSlotMark = 7;
constexpr int NoRedealMark = 8;
constexpr int RedealMark = 22;

int stockMark(const MarkFacts& f) {
    const GameParams& p = f.params;
    if (p[param::Family] == 8) return 21;
    const bool redealsLeft = f.redealsDone < p[param::StockPasses] || p[param::StockPasses] < 0;
    const bool open = p[param::WasteRedeal] > 0 && (f.redealsDone < p[param::StockPasses] || p[param::StockPasses] == -1);
    if (open) return RedealMark;
    if (f.stockEmpty && f.wasteCards <= 1) return NoRedealMark;
    return redealsLeft ? RedealMark : NoRedealMark;
}

int wasteMark(const MarkFacts& f) {
    const GameParams& p = f.params;
    if (p[param::HasStock] == 1) return 2;
    if (p[param::StockPasses] == 0) return NoRedealMark;
    if (p[param::WasteRedeal] <= 0) return 0;
    if (f.redealsDone >= p[param::StockPasses] && p[param::StockPasses] != -1) return NoRedealMark;
    return RedealMark;
}

}  // namespace

int baseRankMark(int code) {
    if (code == 1 || code == 81 || code == 85) return 10;
    if (code >= 2 && code <= 10) return 10 + code;  // 012 .. 020
    if (code == 11) return 6;
    if (code == 12) return QueenMark;
    if (code == 13 || code == 84) return 11;
    return 0;
}

int emptyPileMark(int kind, int pileIndex, const MarkFacts& facts) {
    const GameParams& p = facts.params;
    const int i = pileIndex < 1 ? 0 : pileIndex;
    switch (kind) {
        case markKind::Stock: return stockMark(facts);
        case markKind::Waste: return wasteMark(facts);
        case markKind::Foundation: {
            if (p[param::FoundationRule.at(i)] == 10) return QueenMark;
            const int mark = baseRankMark(p[param::FoundationBase.at(i)]);
            return mark != 0 ? mark : AnySuitMark;
        }
        case markKind::Reserve: return p[param::ReserveType.at(0)] == 9 ? 9 : p[param::ReserveType.at(0)] == 8 ? 11 : 1;
        case markKind::Tableau: {
            const int mark = baseRankMark(p[param::TableauBase.at(i)]);
            if (mark != 0) return mark;
            return p[param::TableauBase.at(0)] != 0 ? AnySuitMark : PlainSlotMark;
        }
        case markKind::SecondWaste: return 2;
        default: return 0;
    }
}

}  // namespace vantrel
