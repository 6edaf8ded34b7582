#pragma once
// Screen position of every pile, filled by the layout. Coordinates below
// -9999 mark a pile the current game does not place.
#include <array>
#include <cstdint>

#include "model/piles.h"

namespace vantrel {

inline constexpr int16_t UnplacedStock = -10000;
inline constexpr int16_t UnplacedFoundation = -10001;
inline constexpr int16_t UnplacedTableau = -10002;
inline constexpr int16_t UnplacedReserve = -10003;
inline constexpr int UnplacedLimit = -9999;

class PilePositions {
public:
    PilePositions() { markAllUnplaced(); }

    // Y comes back minus the vertical scroll offset of the table.
    int x(PileGroup g, int entry) const;
    int y(PileGroup g, int entry) const;
    int rawY(PileGroup g, int entry) const;
    bool placed(PileGroup g, int entry) const;
    void set(PileGroup g, int entry, int x, int y);  // truncated to 16 bits
    void markAllUnplaced();
    static int16_t unplacedMark(PileGroup g);

    int scrollOffset = 0;

private:
    struct Group {
        std::array<int16_t, TableauPiles> x{}, y{};
    };
    const Group& group(PileGroup g) const { return groups_[static_cast<size_t>(g)]; }
    std::array<Group, 4> groups_;
};

}  // namespace vantrel
