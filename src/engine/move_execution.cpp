#include "engine/move_execution.h"

#include <algorithm>

#include "engine/game_won.h"
#include "engine/score.h"
#include "engine/sounds.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

bool MoveExecutor::Execute(int card, std::string_view name) { return Execute(card, parseAction(name)); }

bool MoveExecutor::Execute(int card, const Action& action) {
    if (action.kind == ActionKind::Unknown) return false;
    if (carriesNumber(action.kind) && action.n <= 0) return false;
    if (!firstMoveAllowed(card, action.kind)) return false;
    if (!dispatch(card, action)) return false;
    afterMove();
    return true;
}

// Games with parameter 31 open with a tableau card played to a foundation.
bool MoveExecutor::firstMoveAllowed(int card, ActionKind kind) const {
    if (param(param::FirstMoveToFoundation) != 1 || game_.play.moveCounter != 0) return true;
    if (kind != ActionKind::Dest && kind != ActionKind::DestAutoplay) return false;
    const auto from = findCard(game_.piles, game_.params, card);
    return from && from->pile.group == PileGroup::Tableau;
}

bool MoveExecutor::dispatch(int card, const Action& a) {
    switch (a.kind) {
        case ActionKind::Dest:
        case ActionKind::DestAutoplay:
            if (a.n > foundationsInUse()) return false;
            return moveCard(card, {PileGroup::Foundation, a.n - 1},
                            a.kind == ActionKind::Dest ? &sound::Foundation : &sound::Autoplay);
        case ActionKind::Fila:
            if (a.n > rowsInUse()) return false;
            return moveToRow(card, a.n - 1);
        case ActionKind::Appogg:
            if (a.n > reservesInUse()) return false;
            return moveCard(card, {PileGroup::Reserve, a.n - 1}, &sound::Tableau);
        case ActionKind::Waste:
            return moveCard(card, {PileGroup::Stock, SecondWasteEntry}, param(param::Family) == 12 ? &sound::Eddy : nullptr);
        case ActionKind::Stock02:
            return moveCard(card, {PileGroup::Stock, WasteEntry}, &sound::Tableau);
        case ActionKind::Mazzo:
        case ActionKind::MazzoVis:
        case ActionKind::MazzoWaste:
        case ActionKind::MazzoRedeal:
            return stockAction(a.kind);
        case ActionKind::AddTableaus:
        case ActionKind::AddTableausLast:
        case ActionKind::FillTableaus:
        case ActionKind::AddReserves:
        case ActionKind::AddReserve:
            return dealFromStock(a);
        case ActionKind::SelezionateDest: return discardSelection();
        case ActionKind::SelezionateFila: return fillEmptyRows(sound::Shuffle, false);
        case ActionKind::MonteCarlo: return closeUpAndRefill();
        case ActionKind::Unknown: break;
    }
    return false;
}

void MoveExecutor::afterMove() {
    if (param(param::Family) != NoScoreFamily) RecomputeScore(game_, board_);
    const bool firstMove = game_.play.moveCounter == 0;
    game_.play.moveCounter = std::min(game_.play.moveCounter + 1, 2);
    game_.won = IsGameWon(game_);
    tableExtent_ = std::max(tableExtent_, feedback_.drawnExtent());
    // Once per game: the counter has moved on, so this cannot come back here.
    if (firstMove && param(param::FillAfterFirstMove) == 1) Execute(0, Action{ActionKind::FillTableaus});
}

bool MoveExecutor::moveCard(int card, PileRef to, const SoundEvent* sound) {
    const auto from = findCard(game_.piles, game_.params, card);
    if (!from || isTopOf(*from, to)) return false;
    relocate(*from, to);
    if (sound) play(*sound);
    return true;
}

// A single card moves alone; a card with cards above it takes them along,
// in order.
bool MoveExecutor::moveToRow(int card, int row) {
    const PileRef to{PileGroup::Tableau, row};
    const auto from = findCard(game_.piles, game_.params, card);
    // Taking a run from its own row and putting it back changes nothing.
    if (!from || from->pile == to) return false;
    std::string& source = pile(from->pile);
    const int count = movingBlockSize(game_.piles, game_.params, *from);
    if (count == 1) {
        relocate(*from, to);
    } else {
        const std::string run = source.substr(static_cast<size_t>(from->index) * 3);
        source.erase(static_cast<size_t>(from->index) * 3);
        for (int i = 0; i < count; ++i) land(cardAt(run, i), spot(from->pile, from->index + i), to);
        showDeparture(spot(from->pile, from->index), count);
    }
    play(sound::Tableau);
    return true;
}

// ---- shared helpers ----

int MoveExecutor::param(int n) const { return game_.params[n]; }
int MoveExecutor::rowsInUse() const { return param::rowsInUse(game_.params); }
int MoveExecutor::reservesInUse() const { return param::reservesInUse(game_.params); }
int MoveExecutor::foundationsInUse() const { return param::foundationsInUse(game_.params); }
std::string& MoveExecutor::pile(PileRef ref) { return game_.piles.pile(ref); }

// A card moved onto the pile it already tops would stay where it is.
bool MoveExecutor::isTopOf(const CardPlace& from, PileRef to) const {
    return from.pile == to && from.index == cardCount(game_.piles.pile(to)) - 1;
}

CardSpot MoveExecutor::spot(PileRef ref, int index) const {
    return {ref, index, game_.positions.x(ref.group, ref.entry), game_.positions.y(ref.group, ref.entry)};
}

CardSpot MoveExecutor::topSpot(PileRef ref) const { return spot(ref, cardCount(game_.piles.pile(ref))); }

void MoveExecutor::relocate(const CardPlace& from, PileRef to) {
    std::string& source = pile(from.pile);
    const int card = cardAt(source, from.index);
    source.erase(static_cast<size_t>(from.index) * 3, 3);
    const CardSpot fromSpot = spot(from.pile, from.index);
    land(card, fromSpot, to);
    showDeparture(fromSpot, 1);
}

void MoveExecutor::land(int card, const CardSpot& from, PileRef to) {
    const CardSpot at = topSpot(to);
    const bool wasDown = !game_.cards.faceUp(card);
    appendCard(game_.piles, game_.cards, to.group, to.entry, card, '1');
    showArrival(card, from, at);
    if (wasDown) feedback_.flipCard(card, at);
}

void MoveExecutor::showArrival(int card, const CardSpot& from, const CardSpot& to) {
    if (!arrivalShown_ && game_.state.read(field::Cards_Animate) != "N")
        feedback_.animateCard(card, from, to);
    else
        feedback_.drawCardAt(card, to);
}

void MoveExecutor::showDeparture(const CardSpot& from, int cards) {
    feedback_.repaintRect(from, cards);
    if (cardCount(game_.piles.pile(from.pile)) <= 1) feedback_.repaintPile(from.pile);
}

void MoveExecutor::play(const SoundEvent& sound) {
    if (sounds_) sounds_->play(sound);
}

void MoveExecutor::stopSound() {
    if (sounds_) sounds_->StopSound();
}

}  // namespace vantrel
