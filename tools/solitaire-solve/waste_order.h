#pragma once
// Where the rows only ever take cards from the stock or waste (waste piles
// the player stacks the turned cards on), what matters is the order their
// cards will be wanted in: a card covering one the foundations want
// sooner holds it up. The foundations' own rule check says when each card
// is wanted, so one scheme serves foundations built by ones, by twos, by
// colour or any suit.
#include <array>
#include <cstdint>
#include <unordered_map>

namespace vantrel {
struct Game;
class GameParams;
}  // namespace vantrel

namespace solitaire_solve {

// Every row takes only cards from the stock or waste (rules 17 and 19), in a
// game with foundations and no pair discards.
bool rowsAreWastePiles(const vantrel::GameParams& params);

class WasteOrder {
public:
    explicit WasteOrder(const vantrel::GameParams& params);
    bool applies() const { return applies_; }
    // Cards of the rows lying on a card wanted sooner than they are.
    int blocking(vantrel::Game& game);

private:
    static constexpr int Never = 99;
    // Steps until a foundation takes each card code, by the foundations'
    // top cards.
    using Wanted = std::array<uint8_t, 53>;
    const Wanted& wanted(vantrel::Game& game);

    bool applies_ = false;
    std::unordered_map<uint64_t, Wanted> cache_;
};

}  // namespace solitaire_solve
