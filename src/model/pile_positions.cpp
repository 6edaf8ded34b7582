#include "model/pile_positions.h"

namespace vantrel {

int16_t PilePositions::unplacedMark(PileGroup g) {
    switch (g) {
        case PileGroup::Stock: return UnplacedStock;
        case PileGroup::Foundation: return UnplacedFoundation;
        case PileGroup::Tableau: return UnplacedTableau;
        case PileGroup::Reserve: return UnplacedReserve;
    }
    return UnplacedStock;
}

int PilePositions::x(PileGroup g, int entry) const {
    return Piles::valid(g, entry) ? group(g).x[static_cast<size_t>(entry)] : unplacedMark(g);
}

int PilePositions::rawY(PileGroup g, int entry) const {
    return Piles::valid(g, entry) ? group(g).y[static_cast<size_t>(entry)] : unplacedMark(g);
}

int PilePositions::y(PileGroup g, int entry) const { return rawY(g, entry) - scrollOffset; }

bool PilePositions::placed(PileGroup g, int entry) const {
    return x(g, entry) >= UnplacedLimit && rawY(g, entry) >= UnplacedLimit;
}

void PilePositions::set(PileGroup g, int entry, int x, int y) {
    if (!Piles::valid(g, entry)) return;
    Group& gr = groups_[static_cast<size_t>(g)];
    gr.x[static_cast<size_t>(entry)] = static_cast<int16_t>(static_cast<uint16_t>(x));
    gr.y[static_cast<size_t>(entry)] = static_cast<int16_t>(static_cast<uint16_t>(y));
}

void PilePositions::markAllUnplaced() {
    for (int g = 0; g < 4; ++g) {
        const auto group = static_cast<PileGroup>(g);
        for (int i = 0; i < TableauPiles; ++i) {
            groups_[static_cast<size_t>(g)].x[static_cast<size_t>(i)] = unplacedMark(group);
            groups_[static_cast<size_t>(g)].y[static_cast<size_t>(i)] = unplacedMark(group);
        }
    }
}

}  // namespace vantrel
