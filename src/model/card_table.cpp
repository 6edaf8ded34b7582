#include "model/card_table.h"

#include "model/cards.h"

namespace vantrel {

namespace {
const char* const SuitWords[] = {"CUORI", "QUADR", "FIORI", "PICCH"};
const char* const RankWords[] = {"A", "02", "03", "04", "05", "06", "07", "08", "09", "10", "J", "Q", "K"};
}  // namespace

CardTable::CardTable() {
    for (int card = 1; card <= Cards; ++card) {
        const int suit = suitOf(card);
        std::string name = std::string(SuitWords[suit]) + "_" + RankWords[rankOf(card) - 1];
        name.resize(15, ' ');
        records_[static_cast<size_t>(card - 1)] = name + std::to_string(suit + 1) + cardCode(card) + "1";
    }
}

const std::string& CardTable::record(int card) const {
    static const std::string none;
    return card >= 1 && card <= Cards ? records_[static_cast<size_t>(card - 1)] : none;
}

char CardTable::faceDigit(int card) const {
    return card >= 1 && card <= Cards ? records_[static_cast<size_t>(card - 1)][19] : ' ';
}

bool CardTable::faceUp(int card) const { return faceDigit(card) == '1'; }

void CardTable::setFace(int card, char digit) {
    if (card < 1 || card > Cards) return;
    // Characters 1-19 stay; only the face digit is rewritten, in place.
    records_[static_cast<size_t>(card - 1)][19] = digit;
}

void CardTable::allFaceUp() {
    for (int card = 1; card <= Cards; ++card) setFace(card, '1');
}

}  // namespace vantrel
