#include "view/table_feedback.h"

#include <algorithm>

#include "model/game.h"
#include "model/param_ids.h"
#include "view/drawing_host.h"
#include "view/table_drawing.h"
#include "view/table_view.h"

namespace vantrel {

namespace {

constexpr int StockStrip = 15;  // the stock block reaches this far up and left

}  // namespace

void TableFeedback::infoBox(std::string_view text) { host_.infoBox(text); }

QRect TableFeedback::pileBounds(PileRef pile) const {
    TableDrawing& d = view_.drawing();
    const int w = d.pictures().cardW(), h = d.pictures().cardH();
    if (pile.group == PileGroup::Stock) {
        const StockCopy& home = d.piles().layout().stockCopies[static_cast<size_t>(pile.entry)];
        return QRect(home.x - StockStrip, home.y - StockStrip, w + StockStrip, h + StockStrip);
    }
    const CardPoint first = d.piles().cardPlace(pile, 0);
    const CardPoint top = d.piles().topCardPoint(pile);
    // Untidy piles wander up to two pixels either way.
    return QRect(first.x, first.y, w, h).united(QRect(top.x, top.y, w, h)).adjusted(-2, 0, 2, 0);
}

bool TableFeedback::placed(PileRef pile) const {
    return Piles::valid(pile.group, pile.entry) && game_.positions.placed(pile.group, pile.entry);
}

void TableFeedback::paintPile(PileRef pile) {
    TableDrawing& d = view_.drawing();
    const std::string name = pileName(pile);
    if (pile.group == PileGroup::Stock || pile.group == PileGroup::Foundation) {
        if (pile.group == PileGroup::Stock) d.piles().drawStockThickness(pile.entry, Target::Table, true);
        d.piles().drawPileByName(name, pile.entry, Target::Table);
    } else {
        d.piles().redrawPile(name, Target::Table, false);
    }
}

void TableFeedback::drawPile(PileRef pile) {
    if (!placed(pile)) return;
    paintPile(pile);
    view_.show(pileBounds(pile));
}

void TableFeedback::drawCardAt(int, const CardSpot& at) { drawPile(at.pile); }

void TableFeedback::repaintRect(const CardSpot& from, int cards) {
    if (!placed(from.pile)) return;
    TableDrawing& d = view_.drawing();
    // Where the departed cards lay: from the first one's place, one fan
    // step per card further (a fan step is at most a card apart).
    const CardPoint start = d.piles().cardPlace(from.pile, from.index);
    const FanSteps& steps = d.piles().fanSteps();
    const int reachX = std::max(0, cards - 1) * (d.pictures().cardW() + steps.sideGap);
    const int reachY = std::max(0, cards - 1) * std::max(steps.downFaceUp, steps.tightDown);
    const int mode = game_.params[from.pile.group == PileGroup::Reserve ? param::ReserveDisplay : param::TableauDisplay];
    const bool sideways = mode == 2 || mode == 4 || mode == 6;
    QRect area(start.x - 2, start.y, d.pictures().cardW() + 4, d.pictures().cardH());
    if (from.pile.group != PileGroup::Stock) area.adjust(0, 0, sideways ? reachX : 0, sideways ? 0 : reachY);
    d.pictures().restoreRect(area);
    if (from.pile.group == PileGroup::Tableau && mode == fan::SideBySide) {
        // Pyramid rows lie over one another: from the first row the cleared
        // area touches, every row is drawn again, so that the cards the
        // departed one covered show whole and later rows stay on top.
        bool touched = false;
        for (int k = 0; k < param::rowsInUse(game_.params); ++k) {
            const PileRef row{PileGroup::Tableau, k};
            if (!placed(row)) continue;
            touched = touched || pileBounds(row).intersects(area);
            if (touched) paintPile(row);
        }
    } else {
        drawPile(from.pile);
    }
    view_.show(area);
}

void TableFeedback::repaintPile(PileRef pile) {
    if (!placed(pile)) return;
    if (pile.group == PileGroup::Stock) view_.drawing().pictures().restoreRect(pileBounds(pile));
    drawPile(pile);
}

void TableFeedback::repaintTable() { view_.redraw(false); }

void TableFeedback::drawEmptyStockMarker(PileRef at) { repaintPile(at); }

void TableFeedback::drawEmptyStock() { repaintPile({PileGroup::Stock, StockEntry}); }

void TableFeedback::flipCard(int card, const CardSpot& at) { drawCardAt(card, at); }

int TableFeedback::drawnExtent() const { return view_.canvas().bottomTracker; }

}  // namespace vantrel
