// Repainting a pile after cards were taken off it, by the way it fans.
#include <algorithm>

#include "model/game.h"
#include "view/layout/card_fan.h"
#include "view/mark_choice.h"
#include "view/table_canvas.h"
#include "view/table_drawing.h"

namespace vantrel {

namespace {

constexpr int ParamTableauFanMode = 3, ParamReserveFanMode = 5, ParamTableauCount = 262;
constexpr int ParamFoundationCount = 261, ParamReserveCount = 263;

bool spansOverlap(int a0, int a1, int b0, int b1) { return a0 <= b1 && b0 <= a1; }

}  // namespace

void TableDrawing::liftCardsFromPile(std::string_view oldPile, std::string_view newPile, int x, Target target,
                                     std::string_view name) {
    if (oldPile == newPile) return;
    const std::optional<PileRef> parsed = parsePileName(name);
    if (!parsed || !Piles::valid(parsed->group, parsed->entry)) return;
    const PileRef ref = *parsed;
    const bool tableau = ref.group == PileGroup::Tableau;
    if (!tableau && ref.group != PileGroup::Reserve) return;
    const int mode = game_.params[tableau ? ParamTableauFanMode : ParamReserveFanMode];
    // The pile is painted as it lies after the lift, whatever it holds now.
    std::string& pileText = game_.piles.pile(ref);
    const std::string held = pileText;
    pileText = std::string(newPile);
    struct Restore {
        std::string& text;
        const std::string& held;
        ~Restore() { text = held; }
    } restore{pileText, held};
    const bool emptied = newPile.empty();
    if (tableau && mode == fan::Squared && !emptied) return;

    const int w = cardW(), h = cardH();
    const int blockH = canvas_.drag.isNull() ? h : canvas_.drag.height();
    const CardPoint top = topCardPoint(ref);
    auto restoreOn = [&](Target t, const QRect& r) {
        copyRect(canvas_.surface(t), r.topLeft() + QPoint(0, canvas_.dy(t)), canvas_.clean, canvas_.onTable(r));
        if (t == Target::Window) canvas_.noteWindow(r);
    };
    auto redrawOnTable = [&](PileRef other) { redrawPile(pileName(other), Target::Table, false); };

    if (mode == fan::Down || mode == fan::TightDown) {
        const int step = mode == fan::Down ? steps.downFaceUp : steps.tightDown;
        const QRect area(x - 2, top.y, w + 4, step + blockH);
        restoreOn(target, area);
        // The cards that stay lost their lower edge with the restore.
        redrawTopCard(ref, target);
        if (tableau && untidyPilesOn(game_.state)) redrawPile(name, Target::Table, false);
        if (tableau && mode == fan::Down) {
            const int rows = std::clamp(game_.params[ParamTableauCount], 0, TableauPiles);
            for (int j = ref.entry + 1; j < rows; ++j) {
                const int jx = game_.positions.x(PileGroup::Tableau, j);
                if (!game_.positions.placed(PileGroup::Tableau, j) ||
                    !spansOverlap(jx, jx + w, area.left(), area.right()) ||
                    game_.positions.y(PileGroup::Tableau, j) <= top.y)
                    continue;
                redrawOnTable({PileGroup::Tableau, j});
                break;
            }
            const int reserves = std::clamp(game_.params[ParamReserveCount], 0, ReservePiles);
            for (int r = 0; r < reserves; ++r) {
                const int rx = game_.positions.x(PileGroup::Reserve, r);
                if (!game_.positions.placed(PileGroup::Reserve, r) ||
                    !spansOverlap(rx, rx + w, area.left(), area.right()) ||
                    game_.positions.y(PileGroup::Reserve, r) <= top.y)
                    continue;
                redrawOnTable({PileGroup::Reserve, r});
                break;
            }
        }
    } else if (mode == fan::Right || mode == fan::SideBySide || mode == fan::TightRight) {
        const CardPoint lifted = cardPoint(fanContext(), ref, 0, true);
        const QRect card(lifted.x, lifted.y, w, h);
        restoreOn(target, card);
        if (target != Target::Table) restoreOn(Target::Table, card);
        redrawTopCard(ref, target);
        if (tableau) {
            const int rows = std::clamp(game_.params[ParamTableauCount], 0, TableauPiles);
            for (int j = ref.entry + 1; j < rows; ++j) {
                const int jy = game_.positions.y(PileGroup::Tableau, j);
                if (game_.positions.placed(PileGroup::Tableau, j) && game_.positions.x(PileGroup::Tableau, j) > x &&
                    spansOverlap(jy, jy + h, card.top(), card.bottom())) {
                    redrawOnTable({PileGroup::Tableau, j});
                    break;
                }
            }
            const int foundations = std::clamp(game_.params[ParamFoundationCount], 0, FoundationPiles);
            for (int f = 0; f < foundations; ++f) {
                const int fy = game_.positions.y(PileGroup::Foundation, f);
                if (game_.positions.placed(PileGroup::Foundation, f) &&
                    game_.positions.x(PileGroup::Foundation, f) > x &&
                    spansOverlap(fy, fy + h, card.top(), card.bottom())) {
                    drawPileByName(pileName({PileGroup::Foundation, f}), f, Target::Table);
                    break;
                }
            }
        }
    }

    if (tableau && emptied) {
        drawEmptyPileMark(markKind::Tableau, game_.positions.x(ref.group, ref.entry),
                          game_.positions.y(ref.group, ref.entry), target, ref.entry);
        if (game_.gameNumber() == 3) drawPileByName("Mazzo", 0, target);
    }
}

}  // namespace vantrel
