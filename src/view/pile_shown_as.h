#pragma once
// A lifted block leaves its pile only when the move is made, at the drop or
// at the end of a flight, yet the table must be painted as the pile lies
// without it at once; every painting step reads the pile from the game.
#include <string>
#include <string_view>
#include <utility>

namespace vantrel {

// While it lives the pile's text reads `shown`; then its own text returns.
class PileShownAs {
public:
    PileShownAs(std::string& pile, std::string_view shown) : pile_(pile), held_(std::move(pile)) { pile_ = shown; }
    ~PileShownAs() { pile_ = std::move(held_); }
    PileShownAs(const PileShownAs&) = delete;
    PileShownAs& operator=(const PileShownAs&) = delete;

private:
    std::string& pile_;
    std::string held_;
};

}  // namespace vantrel
