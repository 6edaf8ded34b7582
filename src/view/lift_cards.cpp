// Repainting a pile after cards were taken off it, by the way it fans.
#include <algorithm>

#include "model/game.h"
#include "model/param_ids.h"
#include "view/card_flights.h"
#include "view/card_pictures.h"
#include "view/drag_picture.h"
#include "view/layout/card_fan.h"
#include "view/mark_choice.h"
#include "view/pile_shown_as.h"
#include "view/table_canvas.h"

namespace vantrel {

namespace {

bool spansOverlap(int a0, int a1, int b0, int b1) { return a0 <= b1 && b0 <= a1; }

// Spider's stock is painted again whenever one of its rows empties. It is
// that one game's rule, not one of its parameters: its relatives with the
// stock in the same place and the rows fanned the same way do without it.
// In the shipped layouts the stock ends above the rows, so the repaint
// shows what was there.
constexpr int StockRepaintedGame = 3;

}  // namespace

void CardFlights::liftCardsFromPile(std::string_view oldPile, std::string_view newPile, int x, Target target,
                                     std::string_view name) {
    if (oldPile == newPile) return;
    const std::optional<PileRef> parsed = parsePileName(name);
    if (!parsed || !Piles::valid(parsed->group, parsed->entry)) return;
    const PileRef ref = *parsed;
    const bool tableau = ref.group == PileGroup::Tableau;
    if (!tableau && ref.group != PileGroup::Reserve) return;
    const int mode = game_.params[tableau ? param::TableauDisplay : param::ReserveDisplay];
    const PileShownAs shown(game_.piles.pile(ref), newPile);
    const bool emptied = newPile.empty();
    if (tableau && mode == fan::Squared && !emptied) return;

    const int w = pictures_.cardW(), h = pictures_.cardH();
    const int blockH = drag_.picture().isNull() ? h : drag_.picture().height();
    const CardPoint top = piles_.topCardPoint(ref);
    auto restoreOn = [&](Target t, const QRect& r) {
        canvas_.background.paint(canvas_.surface(t), r.topLeft() + QPoint(0, canvas_.dy(t)), canvas_.onTable(r));
        if (t == Target::Window) canvas_.noteWindow(r);
    };
    // Redraws on the table picture the first placed pile of the group, from
    // entry `from` on, whose position satisfies `wanted`.
    auto redrawFirst = [&](PileGroup group, int from, const auto& wanted) {
        const int count = param::inUse(game_.params, group);
        for (int e = from; e < count; ++e) {
            if (!game_.positions.placed(group, e)) continue;
            if (!wanted(QPoint(game_.positions.x(group, e), game_.positions.y(group, e)))) continue;
            piles_.redrawPile(pileName({group, e}), Target::Table, false);
            return;
        }
    };

    if (mode == fan::Down || mode == fan::TightDown) {
        const int step = mode == fan::Down ? piles_.fanSteps().downFaceUp : piles_.fanSteps().tightDown;
        const QRect area(x - 2, top.y, w + 4, step + blockH);
        restoreOn(target, area);
        // The cards that stay lost their lower edge with the restore.
        piles_.redrawTopCard(ref, target);
        if (tableau && untidyPilesOn(game_.state)) piles_.redrawPile(name, Target::Table, false);
        if (tableau && mode == fan::Down) {
            // Piles lower down whose column meets this one's.
            auto below = [&](QPoint p) {
                return spansOverlap(p.x(), p.x() + w, area.left(), area.right()) && p.y() > top.y;
            };
            redrawFirst(PileGroup::Tableau, ref.entry + 1, below);
            redrawFirst(PileGroup::Reserve, 0, below);
        }
    } else if (mode == fan::Right || mode == fan::SideBySide || mode == fan::TightRight) {
        const CardPoint lifted = cardPoint(piles_.fanContext(), ref, 0, true);
        const QRect card(lifted.x, lifted.y, w, h);
        restoreOn(target, card);
        if (target != Target::Table) restoreOn(Target::Table, card);
        piles_.redrawTopCard(ref, target);
        if (tableau) {
            // Piles to the right whose row meets the lifted card.
            auto right = [&](QPoint p) {
                return p.x() > x && spansOverlap(p.y(), p.y() + h, card.top(), card.bottom());
            };
            redrawFirst(PileGroup::Tableau, ref.entry + 1, right);
            redrawFirst(PileGroup::Foundation, 0, right);
        }
    }

    if (tableau && emptied) {
        pictures_.drawEmptyPileMark(markKind::Tableau, game_.positions.x(ref.group, ref.entry),
                                    game_.positions.y(ref.group, ref.entry), target, ref.entry);
        if (game_.gameNumber() == StockRepaintedGame) piles_.drawPileByName("Mazzo", 0, target);
    }
}

}  // namespace vantrel
