#include "model/card_table.h"

#include "model/cards.h"

namespace vantrel {

namespace {
const char* const SuitWords[] = {"CUORI", "QUADR", "FIORI", "PICCH"};
const char* const RankWords[] = {"A", "02", "03", "04", "05", "06", "07", "08", "09", "10", "J", "Q", "K"};

bool inRange(int card) { return card >= 1 && card <= CardTable::Cards; }
}  // namespace

CardTable::CardTable() { faces_.fill('1'); }

std::string CardTable::record(int card) const {
    if (!inRange(card)) return {};
    const int suit = suitOf(card);
    std::string name = std::string(SuitWords[suit]) + "_" + RankWords[rankOf(card) - 1];
    name.resize(15, ' ');
    return name + std::to_string(suit + 1) + cardCode(card) + faceDigit(card);
}

void CardTable::setFace(int card, char digit) {
    if (inRange(card)) faces_[static_cast<size_t>(card - 1)] = digit;
}

void CardTable::allFaceUp() { faces_.fill('1'); }

}  // namespace vantrel
