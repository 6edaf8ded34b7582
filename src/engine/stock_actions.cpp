// Stock actions (turning cards, the empty-stock marker, redeals) and the
// deals from the stock onto rows and reserves.
#include <string>

#include "engine/move_execution.h"
#include "engine/sounds.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
constexpr PileRef StockPile{PileGroup::Stock, StockEntry};
constexpr PileRef WastePile{PileGroup::Stock, WasteEntry};
constexpr PileRef SecondWastePile{PileGroup::Stock, SecondWasteEntry};

bool dealFlag(int value) { return value >= 1 && value <= 4; }
}  // namespace

// An empty stock that may be refilled first shows the marker; the next
// stock action (the release on the marker) starts the next pass, which for
// "Mazzo_Vis" turns the waste back. Only a stock that still holds cards
// turns any.
bool MoveExecutor::stockAction(ActionKind kind) {
    const std::string& stock = pile(StockPile);
    const bool passesRemain = param(param::StockPasses) == -1 || game_.play.stockPass < param(param::StockPasses);
    bool changed = false;
    bool passCounted = false;

    if (param(param::WasteRedeal) > 0 && passesRemain && stock.empty()) {
        if (!game_.play.stockEmptyMarker) {
            showEmptyStockMarker();
        } else if (kind == ActionKind::MazzoVis && cardCount(pile(WastePile)) > 1) {
            changed = redeal();
            passCounted = true;
        } else {
            ++game_.play.stockPass;
            passCounted = true;
        }
    }

    if (!stock.empty() && !passCounted) {
        const PileRef to = kind == ActionKind::MazzoVis ? WastePile : SecondWastePile;
        for (int i = 0; i < param(param::StockTurn) && !stock.empty(); ++i) {
            relocate({StockPile, cardCount(stock) - 1}, to);
            play(sound::Stock);
            changed = true;
        }
        if (param(param::Family) == 28) ++game_.play.stockClicks;
    }

    if (stock.empty() && cardCount(pile(WastePile)) <= 1) feedback_.drawEmptyStock();
    return changed;
}

void MoveExecutor::showEmptyStockMarker() {
    game_.play.stockEmptyMarker = true;
    if (param(param::HasStock) == 1)
        feedback_.drawEmptyStockMarker(StockPile);
    else if (param(param::HasWaste) == 1)
        feedback_.drawEmptyStockMarker(WastePile);
}

// The waste goes back onto the stock one card at a time from its top, so the
// stock ends in the waste's reverse order.
bool MoveExecutor::redeal() {
    std::string& waste = pile(WastePile);
    const char face = param(param::StockFace) != 0 ? '0' : '1';
    const bool animated = game_.state.read(field::Redeal_Animation) != "N";
    ++game_.play.stockPass;
    if (animated) play(sound::Redeal);
    while (!waste.empty()) {
        const int top = cardCount(waste) - 1;
        const int card = cardAt(waste, top);
        waste.erase(static_cast<size_t>(top) * 3);
        const CardSpot to = topSpot(StockPile);
        appendCard(game_.piles, game_.cards, PileGroup::Stock, StockEntry, card, face);
        if (animated) feedback_.animateCard(card, spot(WastePile, top), to);
    }
    feedback_.repaintPile(StockPile);
    feedback_.repaintPile(WastePile);
    if (animated) stopSound();
    family4SelectionFix();
    // The marker is gone with the refilled stock; the next empty stock shows
    // it afresh.
    game_.play.stockEmptyMarker = false;
    return true;
}

// Family 4 keeps its selection in the first foundation; a selected waste
// card that went back into the stock leaves the selection.
void MoveExecutor::family4SelectionFix() {
    if (param(param::Family) != 4) return;
    std::string& selection = pile({PileGroup::Foundation, 0});
    if (selection.empty()) return;
    const int bottom = bottomCard(pile(StockPile));
    if (cardAt(selection, 0) == bottom)
        selection.erase(0, 3);
    else if (cardAt(selection, 1) == bottom)
        selection.erase(3, 3);
}

bool MoveExecutor::dealFromStock(const Action& a) {
    const bool gapFirst = param(param::TableauDisplay) == 8;
    bool changed = false;
    switch (a.kind) {
        case ActionKind::AddTableaus:
        case ActionKind::AddTableausLast:
            for (int k = 0; k < rowsInUse() && !pile(StockPile).empty(); ++k)
                if (a.kind == ActionKind::AddTableausLast || dealFlag(param(param::TableauAddFlag.at(k))))
                    changed |= dealTo({PileGroup::Tableau, k}, sound::Shuffle, gapFirst);
            return changed;
        case ActionKind::FillTableaus: return fillEmptyRows(sound::Shuffle, gapFirst);
        case ActionKind::AddReserves:
            for (int n = 1; n <= reservesInUse() && !pile(StockPile).empty(); ++n)
                if (dealFlag(param(param::ReserveMode.number(n)))) changed |= dealTo({PileGroup::Reserve, n - 1}, sound::Shuffle, gapFirst);
            return changed;
        case ActionKind::AddReserve:
            if (a.n > reservesInUse() || !dealFlag(param(param::ReserveMode.number(a.n)))) return false;
            return dealTo({PileGroup::Reserve, a.n - 1}, sound::Shuffle, gapFirst);
        default: return false;
    }
}

bool MoveExecutor::dealTo(PileRef to, const SoundEvent& sound, bool gapFirst) {
    std::string& stock = pile(StockPile);
    if (stock.empty()) return false;
    const int top = cardCount(stock) - 1;
    const int card = cardAt(stock, top);
    stock.erase(static_cast<size_t>(top) * 3);
    if (gapFirst) appendCard(game_.piles, game_.cards, PileGroup::Tableau, 0, 0);
    land(card, spot(StockPile, top), to);
    showDeparture(spot(StockPile, top), 1);
    play(sound);
    return true;
}

bool MoveExecutor::fillEmptyRows(const SoundEvent& sound, bool gapFirst) {
    bool changed = false;
    for (int k = 0; k < rowsInUse() && !pile(StockPile).empty(); ++k)
        if (pile({PileGroup::Tableau, k}).empty()) changed |= dealTo({PileGroup::Tableau, k}, sound, gapFirst);
    return changed;
}

// ---- the click on the stock ----

StockClickResult MoveExecutor::StockClick() {
    StockClickResult result;
    const std::string& stock = pile(StockPile);
    if (param(param::Family) == 4 && !stock.empty() && !pile({PileGroup::Foundation, 0}).empty()) {
        result.pairingPick = true;
        return result;
    }
    const auto run = [&](ActionKind kind) {
        result.changed |= Execute(stock.empty() ? 0 : topCard(stock), Action{kind});
    };

    const int rows = rowsInUse();
    const int firstRow = param(param::TableauAddFlag.at(0));
    const int lastRow = rows > 0 ? param(param::TableauAddFlag.number(rows)) : 0;
    if (param(param::HasWaste) == 1) {
        if (param(param::DealToEmptyWasteOnly) != 1 || pile(WastePile).empty()) run(ActionKind::MazzoVis);
    } else if (param(param::WasteRedeal) > 0 && stock.empty()) {
        run(ActionKind::MazzoRedeal);
    } else if (firstRow == 1 || lastRow == 1) {
        run(ActionKind::AddTableaus);
    } else if (firstRow == 2 || lastRow == 2) {
        bool gaps = false;
        for (int k = 0; k < rows; ++k) gaps |= pile({PileGroup::Tableau, k}).empty();
        if (gaps)
            feedback_.infoBox(FillGapsFirst);
        else
            run(ActionKind::AddTableaus);
    } else if (!clickReserves(result) && param(param::SecondWasteArrangement) != 0) {
        run(ActionKind::MazzoWaste);
    }

    const int family = param(param::Family);
    result.endGame = (family == 2 || family == 15) && game_.won;
    return result;
}

// Reserve modes of the stock click; false when the game has none.
bool MoveExecutor::clickReserves(StockClickResult& result) {
    const std::string& stock = pile(StockPile);
    const auto run = [&](const Action& action) {
        result.changed |= Execute(stock.empty() ? 0 : topCard(stock), action);
    };
    const int mode = param(param::ReserveMode.at(0));
    const int reserves = reservesInUse();
    const int lastFlag = reserves > 0 ? param(param::ReserveMode.number(reserves)) : 0;
    if (mode == 1 || lastFlag == 1) {
        run(Action{ActionKind::AddReserves});
        return true;
    }
    if (mode == 3) {
        if (cardCount(stock) == 8) {
            run(Action{ActionKind::AddTableausLast});
        } else {
            run(Action{ActionKind::AddReserves});
            run(Action{ActionKind::AddReserves});
        }
        return true;
    }
    if (mode == 4 && !stock.empty()) {
        const int clicks = ++game_.play.stockClicks;
        const Action action{ActionKind::AddReserve, clicks % 2 == 1 ? 1 : 2};
        for (int i = 0; i < 3 && !stock.empty(); ++i) run(action);
        return true;
    }
    return false;
}

}  // namespace vantrel
