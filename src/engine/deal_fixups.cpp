// Family fix-ups and special deal modes that rearrange a laid-out deal.
#include <algorithm>

#include "engine/deal.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
constexpr int FamilyAcesFromReserve = 11;
constexpr int FamilyQueenKingHearts = 22;
constexpr int QueenOfHearts = 12, KingOfHearts = 13;

bool isAce(int card) { return card > 0 && rankOf(card) == Ace; }
}  // namespace

void Dealer::family11() {
    if (param(param::Family) != FamilyAcesFromReserve) return;
    std::string& reserve = pile(PileGroup::Reserve, 0);
    // The n-th Ace of the first reserve goes to foundation n (Dest2, Dest3 ...).
    int moved = 0;
    while (moved + 1 < FoundationPiles) {
        int at = -1;
        for (int i = 0; i < cardCount(reserve) && at < 0; ++i)
            if (isAce(cardAt(reserve, i))) at = i;
        if (at < 0) break;
        const int ace = cardAt(reserve, at);
        reserve.erase(static_cast<size_t>(at) * 3, 3);
        ++moved;
        // Appended, so a card already there is kept.
        appendCard(game_.piles, game_.cards, PileGroup::Foundation, moved, ace, '1');
    }
    // Waste Aces go to the first foundation; as many other waste cards as
    // Aces left the reserve take their places there.
    std::string& waste = pile(PileGroup::Stock, WasteEntry);
    bool aceMoved = false;
    for (int i = 0; i < cardCount(waste) && !(moved == 0 && aceMoved); ++i) {
        const int card = cardAt(waste, i);
        if (isAce(card)) {
            appendCard(game_.piles, game_.cards, PileGroup::Foundation, 0, card, '1');
            aceMoved = true;
        } else if (moved > 0) {
            appendCard(game_.piles, game_.cards, PileGroup::Reserve, 0, card);
            setFaceDigits(game_.cards, reserve, cardCount(reserve), '1');
            --moved;
        } else {
            continue;
        }
        // The card that slides into the freed place is passed over.
        waste.erase(static_cast<size_t>(i) * 3, 3);
    }
}

void Dealer::family22() {
    if (param(param::Family) != FamilyQueenKingHearts) return;
    for (int card : {QueenOfHearts, KingOfHearts}) {
        locateCard(game_.piles, game_.params, card, 1);
        removeFromDeck(card);
    }
    std::string& stock = pile(PileGroup::Stock, StockEntry);
    // Only the Queen is turned; the King keeps the face it had.
    stock.insert(0, cardCode(KingOfHearts));
    appendCard(game_.piles, game_.cards, PileGroup::Tableau, 0, QueenOfHearts, '1');
}

void Dealer::specialDealMode() {
    switch (param(param::SpecialDeal)) {
        case 1: kingsToStock(); break;
        case 2: triggerRows(King); break;
        case 3: distinctRankRows(); break;
        case 4: triggerRows(Queen); break;
        default: break;
    }
}

void Dealer::kingsToStock() {
    auto fix = [this](std::string& p) {
        const int king = bottomCard(p);
        if (king <= 0 || rankOf(king) != King) return;
        std::string& stock = pile(PileGroup::Stock, StockEntry);
        int at = -1;
        for (int i = 0; i < cardCount(stock) && at < 0; ++i) {
            const int c = cardAt(stock, i);
            if (c > 0 && rankOf(c) != King) at = i;
        }
        if (at < 0) return;  // no card to stand in for the King: the pile stays
        const int replacement = cardAt(stock, at);
        stock.erase(static_cast<size_t>(at) * 3, 3);
        // Only the King leaves; the cards above it stay where they are.
        stock.insert(0, cardCode(king));
        game_.cards.setFace(topCard(stock), '0');
        p.replace(0, 3, cardCode(replacement));
        game_.cards.setFace(replacement, '1');
    };
    for (auto& row : game_.piles.tableau) fix(row);
    for (auto& foundation : game_.piles.foundations) fix(foundation);
}

void Dealer::triggerRows(int triggerRank) {
    // Cards past the last row in use stay on that row rather than on a row
    // the game never shows.
    const int lastRow = std::clamp(param(param::TableauRows), 1, TableauPiles) - 1;
    const int first = takeRank(triggerRank);
    // Appended: whatever earlier steps put on row 0 stays there.
    if (first > 0) appendCard(game_.piles, game_.cards, PileGroup::Tableau, 0, first, '1');
    int row = 0;
    for (int card = takeFirst(); card >= 0; card = takeFirst()) {
        if (card > 0 && rankOf(card) == triggerRank) ++row;
        appendCard(game_.piles, game_.cards, PileGroup::Tableau, std::min(row, lastRow), card, '1');
    }
    foundationSweep();
}

void Dealer::distinctRankRows() {
    const int rows = param::rowsInUse(game_.params);
    // Only the codes move: every card keeps its own face.
    std::vector<int> pool;
    for (int k = 0; k < rows; ++k) {
        const std::string& row = game_.piles.tableau[static_cast<size_t>(k)];
        for (int i = 0; i < cardCount(row); ++i) pool.push_back(cardAt(row, i));
    }
    for (int k = 0; k < rows; ++k) {
        std::string& row = game_.piles.tableau[static_cast<size_t>(k)];
        const int slots = cardCount(row);
        std::string filled;
        std::vector<int> ranks;
        for (int i = 0; i < slots && !pool.empty(); ++i) {
            auto it = std::find_if(pool.begin(), pool.end(), [&ranks](int c) {
                return std::find(ranks.begin(), ranks.end(), rankOf(c)) == ranks.end();
            });
            // Every card left repeats a rank of this row: the place still
            // takes the first of them, so no card is lost and no gap is left.
            if (it == pool.end()) it = pool.begin();
            const int card = *it;
            pool.erase(it);
            ranks.push_back(rankOf(card));
            filled += cardCode(card);
        }
        row = filled;
    }
}

}  // namespace vantrel
