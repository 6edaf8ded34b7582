// The press of a mouse button: what may be picked up in which family, the
// stock click, the peek, and lifting the picked block.
#include <algorithm>

#include "engine/move_execution.h"
#include "engine/sounds.h"
#include "engine/table_play.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

TablePlay::TablePlay(Game& game, MoveExecutor& executor, PointerFeedback& pointer, GameEndHost& host,
                     Messages* messages, Sounds* sounds, std::function<bool()> autoplayOn)
    : game_(game), executor_(executor), pointer_(pointer), host_(host), sounds_(sounds), rules_(game, messages),
      autoplayOn_(std::move(autoplayOn)) {}

void TablePlay::reset() {
    drag_ = DragState{};
    stopRequest_ = false;
}

int TablePlay::param(int n) const { return game_.params[n]; }

int TablePlay::inUse(PileGroup g) const {
    const int n = g == PileGroup::Foundation ? param(param::Foundations)
                  : g == PileGroup::Tableau  ? param(param::TableauRows)
                  : g == PileGroup::Reserve  ? param(param::Reserves)
                                             : StockPiles;
    return std::clamp(n, 0, groupSize(g));
}

bool TablePlay::animating() const { return host_.winningAnimationRunning(); }

bool TablePlay::isTop(const Hit& hit) const {
    return hit.pile && hit.index == cardCount(game_.piles.pile(*hit.pile)) - 1;
}

void TablePlay::press(MouseButton button, int x, int y) {
    pointer_.hidePilesSizePanel();
    if (!game_.inProgress || animating()) return;
    // A second button while a block is held leaves the block in the hand.
    if (drag_.dragged != 0) return;
    pointer_.refreshTime();
    drag_.moved = false;
    const Hit hit = hitTest(game_, geometry(), x, y);
    drag_.blockHeight = geometry().cardH;
    if (param(param::PairSum) != 0) {
        if (button == MouseButton::Left) pairSelection(hit);
        return;
    }
    bool picked = false;
    bool peeked = false;
    const bool tableauCard = hit.pile && hit.pile->group == PileGroup::Tableau && hit.card > 0;
    if (tableauCard) {
        picked = pressTableau(button, hit, peeked);
    } else if (button == MouseButton::Left) {
        picked = pressOtherPile(hit);
    }
    if (button == MouseButton::Right) {
        const bool fannedReserve = hit.pile && hit.pile->group == PileGroup::Reserve && hit.card > 0 &&
                                   (param(param::ReserveDisplay) == 1 || param(param::ReserveDisplay) == 2) && game_.cards.faceUp(hit.card);
        if (!peeked && fannedReserve) {
            peekAt(hit);
            peeked = true;
        }
        if (!peeked) pointer_.beep();
        return;
    }
    // The run-size check marks the run's row even when the pick is refused;
    // the mark belongs to a held block only.
    if (picked)
        pickUp(hit, x, y);
    else
        game_.play.sourceMarker = 0;
}

// A card of a tableau row; true when it was picked up.
bool TablePlay::pressTableau(MouseButton button, const Hit& hit, bool& peeked) {
    const bool left = button == MouseButton::Left;
    const int family = param(param::Family);
    const int card = hit.card;
    const bool top = isTop(hit);
    const bool wasteBuilding = family == 2 || family == 12 || family == 15;
    if (left && wasteBuilding) {
        // Only a row's top card can go onto the second waste.
        if (!top) return false;
        return familyWastePick(hit);
    }
    if (left && (family == 3 || family == 4) && (family == 4 || top)) {
        if (family == 3 || exposed(card)) pairingPick(card);
        return false;
    }
    const bool faceUp = game_.cards.faceUp(card);
    if (left && top) {
        if (!faceUp) {
            turnFaceUp(hit);
            return false;
        }
        return rules_.runSizeCheck(card, false);
    }
    const int row = hit.pile->entry;
    if (!rules_.runCheck(card, row) || !left) {
        if (left && param(param::TableauDisplay) == OneLongRow) return true;  // any card of the long row alone
        if (!left && faceUp) {
            peekAt(hit);
            peeked = true;
        }
        return false;
    }
    if (!faceUp || !rules_.runSizeCheck(card, false)) return false;
    const BlockRect bottom = cardRect(game_, geometry(), *hit.pile, cardCount(game_.piles.pile(*hit.pile)) - 1);
    drag_.blockHeight = bottom.bottom - hit.rect.top;
    return true;
}

// Families that build on the second waste: the top card goes there only
// when its rank is next to the second waste's top card.
bool TablePlay::familyWastePick(const Hit& hit) {
    const int family = param(param::Family);
    const int card = hit.card;
    const int d = topCard(game_.piles.stock[SecondWasteEntry]);
    const int rc = rankOf(card);
    const int rd = d > 0 ? rankOf(d) : -1;
    if (family == 12) {
        if (d > 0 && (rc == nextRank(rd) || rc == previousRank(rd))) return true;
        pointer_.beep();
        return false;
    }
    if (d > 0 && ((rd == King && rc == Ace) || (rd == Ace && rc == King))) {
        if (family == 15) return true;
        pointer_.beep();
        return false;
    }
    // A rank one apart, any suit.
    const auto oneApart = [&](int target, int moving) {
        return rules_.ruleCheck(RuleArgs{.target = target, .moving = moving, .emptyCode = -1, .rule = 2, .direction = 1});
    };
    if (oneApart(d, card) || (d > 0 && oneApart(card, d))) return true;
    pointer_.beep();
    return false;
}

// The stock group, foundations and reserves, left button.
bool TablePlay::pressOtherPile(const Hit& hit) {
    if (!hit.pile) return false;
    const PileRef ref = *hit.pile;
    const std::string& text = game_.piles.pile(ref);
    switch (ref.group) {
        case PileGroup::Stock:
            if (ref.entry == StockEntry) {
                stockClick();
                return false;
            }
            if (ref.entry != WasteEntry) return false;
            if (hit.card > 0) {
                if (param(param::Family) != 4) return true;
                pairingPick(hit.card);
                return false;
            }
            if (param(param::WasteRedeal) > 0 && game_.piles.stock[StockEntry].empty() && text.empty())
                executor_.Execute(0, Action{ActionKind::MazzoRedeal});
            return false;
        case PileGroup::Foundation:
            return hit.card > 0 && (param(param::FoundationPickup) == 1 || (param(param::FoundationPickup) == 2 && cardCount(text) > 1));
        case PileGroup::Reserve:
            if (hit.card <= 0 || !game_.cards.faceUp(hit.card)) return false;
            return isTop(hit) || param(param::ReservePickup) == param::AnyReserveCard;
        case PileGroup::Tableau: return false;
    }
    return false;
}

void TablePlay::stockClick() {
    const StockClickResult result = executor_.StockClick();
    if (result.pairingPick) pairingPick(topCard(game_.piles.stock[StockEntry]));
    if (result.endGame) EndGame();
}

void TablePlay::pickUp(const Hit& hit, int x, int y) {
    if (drag_.dragged == 0) {
        drag_.pressX = x;
        drag_.pressY = y;
    }
    drag_.dragged = hit.card;
    drag_.from = *hit.pile;
    drag_.fromIndex = hit.index;
    drag_.grabX = x - hit.rect.left;
    drag_.grabY = y - hit.rect.top;
    const bool lifted = game_.state.read(field::Cards_Shadowed) != "N";
    const int shift = lifted ? LiftOffset : 0;
    drag_.grabX += shift;
    drag_.grabY += shift;
    drag_.block = {hit.rect.left - shift, hit.rect.top - shift, hit.rect.left - shift + geometry().cardW,
                   hit.rect.top - shift + drag_.blockHeight};
    pointer_.liftBlock(drag_.from, drag_.fromIndex, drag_.block.left, drag_.block.top, lifted);
    if (lifted && sounds_) sounds_->play(sound::CardUp);

    const int family = param(param::Family);
    if (family == 2 || family == 12 || family == 15) {
        // Nothing stays in the hand: the card goes to the second waste.
        const int card = drag_.dragged;
        drag_.dragged = 0;
        game_.play.sourceMarker = 0;
        pointer_.flyBlock(nextSpot({PileGroup::Stock, SecondWasteEntry}), FlightFlags{true, true, true});
        executor_.Execute(card, Action{ActionKind::Waste});
        endIfWon();
    }
}

void TablePlay::peekAt(const Hit& hit) {
    drag_.peekX = hit.rect.left;
    drag_.peekY = hit.rect.top;
    pointer_.peek(hit.card, hit.rect.left, hit.rect.top);
}

void TablePlay::turnFaceUp(const Hit& hit) {
    game_.cards.setFace(hit.card, '1');
    pointer_.turnedFaceUp(hit.card, *hit.pile, hit.index);
    if (sounds_) sounds_->play(sound::FaceUp);
}

}  // namespace vantrel
