#include "engine/deal.h"

#include <algorithm>

#include "engine/score.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/shuffle.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
constexpr int RankRowBase = 1000;  // row counts above this deal one card of rank (count - 1000)
constexpr int Reserves = ReservePiles;

bool isCard(int card) { return card >= 1 && card <= CardTable::Cards; }
}  // namespace

int Dealer::param(int n) const { return game_.params[n]; }

void Dealer::credit(int cards) { AddScore(game_, cards, false, board_); }

std::string& Dealer::pile(PileGroup g, int entry) { return game_.piles.pile(g, entry); }

// The deck list is dealt from the front: a read position instead of
// erasing the first entry each time.
int Dealer::takeFirst() { return next_ < deck_.size() ? deck_[next_++] : -1; }

int Dealer::takeRank(int rank) {
    const auto it = std::find_if(deckBegin(), deck_.cend(), [rank](int c) { return c > 0 && rankOf(c) == rank; });
    if (it == deck_.cend()) return -1;
    const int card = *it;
    deck_.erase(it);
    return card;
}

void Dealer::removeFromDeck(int card) {
    const auto it = std::find(deckBegin(), deck_.cend(), card);
    if (it != deck_.cend()) deck_.erase(it);
}

void Dealer::appendTaken(PileGroup g, int entry, int card) { appendCard(game_.piles, game_.cards, g, entry, card, '0'); }

void Dealer::take(int count, PileGroup g, int entry) {
    for (int i = 0; i < count; ++i) {
        const int card = takeFirst();
        if (card < 0) return;  // the deck list has run out
        appendTaken(g, entry, card);
    }
}

int Dealer::longestRow() const {
    const int rows = param::rowsInUse(game_.params);
    int longest = 0;
    for (int k = 0; k < rows; ++k) longest = std::max(longest, cardCount(game_.piles.tableau[static_cast<size_t>(k)]));
    return longest;
}

std::optional<std::vector<int>> Dealer::deal() {
    const int deckSize = param(param::DeckSize);
    std::optional<std::vector<int>> shuffled = Shuffle(game_.state.read(field::Deal_Number), deckSize, messages_);
    // A non-number, or a deck size that would leave no slot at all, deals
    // nothing rather than laying out cards from nowhere.
    if (!shuffled || deckSize <= 0) return std::nullopt;
    deck_ = *shuffled;
    next_ = 0;
    AddScore(game_, 0, true, board_);

    foundationStartCards();
    secondWasteStartCard();
    rankRows();
    stockAndWaste();
    countedRows();
    secondWaste();
    reserves();
    firstFoundationCard();
    family11();
    const int startCode = param(param::FoundationStart.at(0));
    if (startCode == 93 || startCode == 94 || startCode == 95) foundationSweep();
    acesFromRows();
    family22();
    specialDealMode();
    credit(param(param::FoundationCredit) & 0xFF);  // read as an unsigned byte
    return shuffled;
}

int Dealer::startCard(int code, int j) const {
    const int n = param(param::DeckSize);
    switch (code) {
        case 0:
        case 92:
        case 96: return 0;
        case 20: return deckEmpty() ? 0 : deck_[next_];
        case 21: {
            for (auto it = deckBegin(); it != deck_.cend(); ++it) {
                const int c = *it;
                bool differs = true;
                for (int f = 0; f < j && differs; ++f) {
                    const int bottom = bottomCard(game_.piles.foundations[static_cast<size_t>(f)]);
                    if (bottom >= 0 && suitOf(bottom) == suitOf(c)) differs = false;
                }
                if (differs) return c;
            }
            return deckEmpty() ? 0 : deck_.back();
        }
        case 91: {
            if (deckEmpty()) return 0;
            const int card = deck_[next_] + 13 * (j + 1);
            // Reduced into 1..N: a plain remainder would give no card at 2N.
            return card > n ? (card - 1) % n + 1 : card;
        }
        case 93:
        case 94: return 13 * j + 1;
        case 95: return j <= 3 ? 13 * (j + 1) : 13 * (j - 4) + 1;
        default: break;
    }
    if (code >= 51 && code <= 63) {
        const auto it =
            std::find_if(deckBegin(), deck_.cend(), [code](int c) { return c > 0 && rankOf(c) == code - 50; });
        return it == deck_.cend() ? 0 : *it;
    }
    if (code >= 1 && code <= 99) return code + 13 * j;
    if (code >= 100) return code - 100;
    return 0;
}

void Dealer::foundationStartCards() {
    const int foundations = param::foundationsInUse(game_.params);
    for (int j = 0; j < foundations; ++j) {
        const int code = param(param::FoundationStart.at(j));
        if (code == 92) {
            game_.params.set(param::FoundationBase.at(j), param(param::FoundationBase.at(0)));
            continue;
        }
        const int card = startCard(code, j);
        if (!isCard(card)) continue;
        appendCard(game_.piles, game_.cards, PileGroup::Foundation, j, card, '1');
        game_.params.set(param::FoundationBase.at(j), rankOf(card));
        credit(1);
        removeFromDeck(card);
    }
}

void Dealer::secondWasteStartCard() {
    const int value = param(param::SecondWasteStart);
    if (value == 0) return;
    const int card = value > 100 ? value - 100 : value;
    if (!isCard(card)) return;
    appendCard(game_.piles, game_.cards, PileGroup::Stock, SecondWasteEntry, card, '1');
    credit(1);
    removeFromDeck(card);
}

void Dealer::rankRows() {
    for (int k = 0; k < TableauPiles; ++k) {
        const int count = param(param::TableauDeal.at(k));
        if (count <= RankRowBase) continue;
        const int card = takeRank(count - RankRowBase);
        if (card > 0) appendTaken(PileGroup::Tableau, k, card);
        setFaceDigits(game_.cards, pile(PileGroup::Tableau, k), param(param::TableauFace.at(k)), '1');
    }
}

void Dealer::stockAndWaste() {
    const int stock = param(param::StockCards);
    take(stock, PileGroup::Stock, StockEntry);
    if (param(param::StockFace) == 0) setFaceDigits(game_.cards, pile(PileGroup::Stock, StockEntry), stock, '1');
    const int waste = param(param::WasteCards);
    if (waste > 0) {
        take(waste, PileGroup::Stock, WasteEntry);
        const std::string& w = pile(PileGroup::Stock, WasteEntry);
        setFaceDigits(game_.cards, w, cardCount(w), '1');
    }
}

void Dealer::countedRows() {
    for (int k = 0; k < TableauPiles; ++k) {
        const int count = param(param::TableauDeal.at(k));
        if (count < 1 || count > RankRowBase) continue;
        take(count, PileGroup::Tableau, k);
        setFaceDigits(game_.cards, pile(PileGroup::Tableau, k), param(param::TableauFace.at(k)), '1');
    }
}

void Dealer::secondWaste() {
    const int count = std::max(param(param::SecondWasteCards), 0);
    take(count, PileGroup::Stock, SecondWasteEntry);
    setFaceDigits(game_.cards, pile(PileGroup::Stock, SecondWasteEntry), count, '1');
    credit(count);
}

void Dealer::reserves() {
    for (int l = 0; l < Reserves; ++l) {
        const int count = param(param::ReserveDeal.at(l));
        if (count <= 0) continue;
        take(count, PileGroup::Reserve, l);
        setFaceDigits(game_.cards, pile(PileGroup::Reserve, l), param(param::ReserveFace.at(l)), '1');
    }
}

void Dealer::firstFoundationCard() {
    auto dealOne = [this] {
        const int card = takeFirst();
        if (card < 0) return -1;
        appendCard(game_.piles, game_.cards, PileGroup::Foundation, 0, card, '1');
        credit(1);
        return card;
    };
    if (param(param::FirstFoundationSetsBase) == 1) {
        const int card = dealOne();
        if (card >= 0)
            for (int j = 0; j < FoundationPiles; ++j) game_.params.set(param::FoundationBase.at(j), rankOf(card));
    }
    // Rows built from "one below the foundations' base".
    for (int k = 0; k < TableauPiles; ++k)
        if (param(param::TableauBase.at(k)) == 91) game_.params.set(param::TableauBase.at(k), previousRank(param(param::FoundationBase.at(0))));
    if (param(param::DealToFirstFoundation) == 1) dealOne();
}

}  // namespace vantrel
