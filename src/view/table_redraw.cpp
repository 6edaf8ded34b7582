// The whole table redrawn after a deal, a resize or an appearance change,
// and the highlight of a selection restored.
#include <algorithm>

#include "model/card_place.h"
#include "model/game.h"
#include "model/param_ids.h"
#include "view/card_pictures.h"
#include "view/drag_picture.h"
#include "view/drawing_host.h"
#include "view/pile_drawing.h"
#include "view/table_canvas.h"

namespace vantrel {

namespace {


// Where the deal starts: the first placed of stock, waste, first reserve
// (holding at most one card), second waste, first foundation.
std::optional<PileRef> dealOrigin(const Game& g) {
    const PileRef candidates[] = {{PileGroup::Stock, StockEntry},
                                  {PileGroup::Stock, WasteEntry},
                                  {PileGroup::Reserve, 0},
                                  {PileGroup::Stock, SecondWasteEntry},
                                  {PileGroup::Foundation, 0}};
    for (const PileRef& c : candidates) {
        if (!g.positions.placed(c.group, c.entry)) continue;
        if (c.group == PileGroup::Reserve && cardCount(g.piles.pile(c)) > 1) continue;
        return c;
    }
    return std::nullopt;
}

}  // namespace

void PileDrawing::drawTable(Target target, bool dealAnimation) {
    if (!game_.inProgress) return;
    canvas_.scroll = 0;
    canvas_.bottomTracker = 0;
    drag_.landed();
    game_.positions.scrollOffset = 0;
    host_.scrollTo(0);

    const int tableau = param::rowsInUse(game_.params);
    const int reserves = param::reservesInUse(game_.params);
    bool anyCard = false;
    for (int i = 0; i < tableau; ++i) anyCard = anyCard || !game_.piles.tableau[static_cast<size_t>(i)].empty();
    for (int i = 0; i < reserves; ++i) anyCard = anyCard || !game_.piles.reserves[static_cast<size_t>(i)].empty();

    // The deal flies over the table: the window keeps its own picture.
    std::optional<TableCanvas::Hold> hold;
    if (dealAnimation) {
        hold.emplace(canvas_);
        canvas_.overlay();
    }
    if (dealAnimation && game_.params[param::TableauDisplay] != 4) {
        drawAllMarks(Target::Window);
        drawAllMarks(Target::Table);
    }
    drawFoundationsAndStock(Target::Table);
    // Without a pile to deal from, the cards are simply laid out.
    const std::optional<PileRef> origin = dealAnimation && anyCard ? dealOrigin(game_) : std::nullopt;
    QPoint from;
    if (origin) {
        const CardPoint at = topCardPoint(*origin);
        from = QPoint(at.x, at.y);
        pictures_.drawBack(at.x, at.y, cardH(), true, Target::Table);
        pictures_.showWindow();
        pictures_.pauseShown(100);
        if (game_.state.flag(field::Sounds_Shuffle)) host_.playSound("Shuffle");
    } else {
        dealAnimation = false;
        drawFoundationsAndStock(target);
    }

    const bool originIsReserve = origin && origin->group == PileGroup::Reserve;
    for (int r = 0; r < reserves; ++r) {
        if (r == 0 && originIsReserve) continue;
        const PileRef ref{PileGroup::Reserve, r};
        const int cards = std::max(1, cardCount(game_.piles.pile(ref)));
        for (int k = 0; k < cards; ++k) dealOneCard(ref, k, target, dealAnimation, from);
    }

    if (game_.params[param::SweepOrder] != 0) {
        for (int t = 0; t < tableau; ++t) {
            const PileRef ref{PileGroup::Tableau, t};
            const int cards = std::max(1, cardCount(game_.piles.pile(ref)));
            for (int k = 0; k < cards; ++k) dealOneCard(ref, k, target, dealAnimation, from);
        }
    } else {
        int longest = 1;
        for (int t = 0; t < tableau; ++t)
            longest = std::max(longest, cardCount(game_.piles.tableau[static_cast<size_t>(t)]));
        for (int k = 0; k < longest; ++k)
            for (int t = 0; t < tableau; ++t) {
                const PileRef ref{PileGroup::Tableau, t};
                if (k < std::max(1, cardCount(game_.piles.pile(ref)))) dealOneCard(ref, k, target, dealAnimation, from);
            }
    }

    if (origin) {
        for (Target t : {Target::Window, Target::Table}) {
            if (origin->group == PileGroup::Reserve)
                redrawPile(pileName(*origin), t, false);
            else
                drawPileByName(pileName(*origin), origin->entry, t);
        }
        canvas_.flush();
    }
}

void PileDrawing::redrawSelection(Target target, bool invert) {
    if (!(game_.params[param::Family] == 3 || game_.params[param::Family] == 4 || game_.params[param::PairSum] != 0))
        return;
    const std::string& selection = game_.piles.foundations[0];
    std::vector<QRect> rects;
    for (int k = 0; k < cardCount(selection); ++k) {
        const int card = cardAt(selection, k);
        // The selection itself is only a list: the card is drawn where it
        // lies on the table.
        const auto at = findCard(game_.piles, game_.params, card, PileRef{PileGroup::Foundation, 0});
        if (!at || !game_.positions.placed(at->pile.group, at->pile.entry)) continue;
        const CardPoint point = cardPlace(at->pile, at->index);
        pictures_.drawCard(card, point.x, point.y, false, target);
        rects.emplace_back(point.x, point.y, cardW(), cardH());
    }
    if (target == Target::Table) pictures_.showWindow();
    if (invert)
        for (const QRect& r : rects) pictures_.invertRect(target, r);
}

}  // namespace vantrel
