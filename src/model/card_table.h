#pragma once
// One 20-character record per card: name (15), suit digit, code, face digit.
// The face digit is the only record of whether a card lies face up.
#include <array>
#include <string>
#include <string_view>

namespace vantrel {

class CardTable {
public:
    static constexpr int Cards = 104;
    static constexpr int RecordLength = 20;

    CardTable();  // every card face up

    std::string record(int card) const;  // card 1..104; empty outside
    // Inline: the search and the hit test read faces in their inner loops.
    bool faceUp(int card) const { return faceDigit(card) == '1'; }  // false for cards outside 1..104
    char faceDigit(int card) const {                                   // '1', '0', or ' ' outside
        return card >= 1 && card <= Cards ? faces_[static_cast<unsigned>(card - 1)] : ' ';
    }
    // The face digits of cards 1..104 in order, read at once by a search key.
    std::string_view faceDigits() const { return {faces_.data(), faces_.size()}; }
    void setFace(int card, char digit);  // ignored outside 1..104
    void allFaceUp();

private:
    // Only the face digits change: the first 19 characters of every record
    // follow from the card number, so a copy of the table is 104 bytes.
    std::array<char, Cards> faces_;
};

}  // namespace vantrel
