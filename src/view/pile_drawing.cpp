// Piles: the top of a pile, the marks of empty piles, the stock as a thick
// block, and single cards at their place in a pile.
#include <QPainter>
#include <algorithm>

#include "model/game.h"
#include "model/param_ids.h"
#include "view/card_images.h"
#include "view/card_pictures.h"
#include "view/mark_choice.h"
#include "view/pile_drawing.h"
#include "view/table_canvas.h"

namespace vantrel {

namespace {

constexpr int EdgeStrip = 15;  // the widest stock block

int kindOf(PileRef ref) {
    switch (ref.group) {
        case PileGroup::Stock:
            return ref.entry == StockEntry ? markKind::Stock
                   : ref.entry == WasteEntry ? markKind::Waste
                                             : markKind::SecondWaste;
        case PileGroup::Foundation: return markKind::Foundation;
        case PileGroup::Reserve: return markKind::Reserve;
        case PileGroup::Tableau: return markKind::Tableau;
    }
    return markKind::None;
}

}  // namespace

CardFanContext PileDrawing::fanContext() const {
    return CardFanContext{game_.piles, game_.cards, game_.positions, game_.params, steps_, cardW(),
                          untidyPilesOn(game_.state) ? &jitter_ : nullptr};
}

CardPoint PileDrawing::topCardPoint(PileRef pile) const { return cardPoint(fanContext(), pile, 0, false); }

CardPoint PileDrawing::cardPlace(PileRef pile, int index) const {
    return cardPoint(fanContext(), pile, cardCount(game_.piles.pile(pile)) - index, true);
}

int PileDrawing::stockThickness(int cards) { return cards <= 1 ? 0 : cards == 2 ? 1 : cards / 7 + 1; }

bool PileDrawing::drawStockThickness(int entry, Target target, bool force) {
    if (!game_.positions.placed(PileGroup::Stock, entry)) return false;
    // Before any layout the pile stays where it is, drawn without a block.
    const int d = layoutSet_ ? std::min(stockThickness(cardCount(game_.piles.stock[static_cast<size_t>(entry)])),
                                        EdgeStrip)
                             : 0;
    const StockCopy home = layoutSet_ ? layout_.stockCopies[static_cast<size_t>(entry)]
                                      : StockCopy{game_.positions.x(PileGroup::Stock, entry), 0,
                                                  game_.positions.rawY(PileGroup::Stock, entry)};
    const int x = home.x, rawY = home.rawY;
    if (!force && game_.positions.x(PileGroup::Stock, entry) == x - d &&
        game_.positions.rawY(PileGroup::Stock, entry) == rawY - d)
        return false;
    game_.positions.set(PileGroup::Stock, entry, x - d, rawY - d);

    const int w = cardW(), h = cardH();
    const int y = rawY - canvas_.scroll;  // window Y of the pile's home
    QImage& dst = canvas_.surface(target);
    const int dy = canvas_.dy(target);
    // A thinner block uncovers the strips above and left of the pile.
    for (const QRect& strip : {QRect(x - EdgeStrip, y - EdgeStrip, w + EdgeStrip, EdgeStrip),
                               QRect(x - EdgeStrip, y, EdgeStrip, h)})
        canvas_.background.paint(dst, strip.topLeft() + QPoint(0, dy), canvas_.onTable(strip));
    if (d > 0) {
        // The edge pictures are see-through outside their layers.
        QPainter p(&dst);
        const int from = EdgeStrip - d;
        p.drawImage(QPoint(x + w - d, y - d + dy), images_.edgeRight, QRect(from, from, d, h + d));
        p.drawImage(QPoint(x - d, y + h - d + dy), images_.edgeBottom, QRect(from, from, w + d, d));
    }
    const QRect touched(x - EdgeStrip, y - EdgeStrip, w + EdgeStrip, h + EdgeStrip);
    if (target == Target::Window) canvas_.noteWindow(touched);
    return true;
}

void PileDrawing::drawPileByName(std::string_view name, int pileIndex, Target target) {
    const std::optional<PileRef> parsed = parsePileName(name);
    if (!parsed || !Piles::valid(parsed->group, parsed->entry)) return;
    const PileRef ref = *parsed;
    const bool stockGroup = ref.group == PileGroup::Stock;
    const bool waste = stockGroup && ref.entry == WasteEntry;
    const std::string& pile = game_.piles.pile(ref);
    if (pile.empty()) {
        if (ref.group == PileGroup::Tableau) return;
        const CardPoint at = topCardPoint(ref);
        pictures_.drawEmptyPileMark(kindOf(ref), at.x, at.y, target, pileIndex);
        return;
    }
    const int card = topCard(pile);
    if (card == 0) return;  // a gap on top
    if (!game_.cards.faceUp(card)) {
        if (waste) drawStockThickness(ref.entry, target, false);
        const CardPoint at = topCardPoint(ref);
        pictures_.drawBack(at.x, at.y, cardH(), stockGroup, target);
        return;
    }
    const bool thick = stockGroup && ref.entry != SecondWasteEntry;
    if (thick) drawStockThickness(ref.entry, target, false);
    const CardPoint at = topCardPoint(ref);
    if (ref.group == PileGroup::Stock && ref.entry == StockEntry && game_.params[param::StockFace] != 0)
        pictures_.drawBack(at.x, at.y, cardH(), true, target);
    else
        pictures_.drawCard(card, at.x, at.y, thick, target);
    // A single card has nothing under its corner.
    if (thick && stockThickness(cardCount(pile)) == 0)
        pictures_.restoreCornersOn(target, QRect(at.x, at.y, cardW(), cardH()), false, true);
}

void PileDrawing::drawAllMarks(Target target) {
    for (PileGroup group : {PileGroup::Tableau, PileGroup::Reserve}) {
        const int kind = group == PileGroup::Tableau ? markKind::Tableau : markKind::Reserve;
        for (int i = 0; i < param::inUse(game_.params, group); ++i)
            if (game_.positions.placed(group, i))
                pictures_.drawEmptyPileMark(kind, game_.positions.x(group, i), game_.positions.y(group, i), target, i);
    }
}

void PileDrawing::drawFoundationsAndStock(Target target) {
    static constexpr int Kinds[] = {markKind::Stock, markKind::Waste, markKind::SecondWaste};
    for (int entry = 0; entry < StockPiles; ++entry) {
        if (!game_.positions.placed(PileGroup::Stock, entry)) continue;
        const PileRef ref{PileGroup::Stock, entry};
        drawStockThickness(entry, target, true);
        const std::string& pile = game_.piles.stock[static_cast<size_t>(entry)];
        const CardPoint at = topCardPoint(ref);
        if (pile.empty()) {
            pictures_.drawEmptyPileMark(Kinds[entry], at.x, at.y, target, entry);
            continue;
        }
        const int card = topCard(pile);
        if (!game_.cards.faceUp(card) ||
            (entry == StockEntry && game_.params[param::StockFace] != 0))
            pictures_.drawBack(at.x, at.y, cardH(), true, target);
        else
            pictures_.drawCard(card, at.x, at.y, true, target);
        if (cardCount(pile) == 1) pictures_.restoreCornersOn(target, QRect(at.x, at.y, cardW(), cardH()));
    }
    for (int i = 0; i < param::foundationsInUse(game_.params); ++i) {
        const PileRef ref{PileGroup::Foundation, i};
        if (!game_.positions.placed(ref.group, i)) continue;
        const int cards = std::max(1, cardCount(game_.piles.foundations[static_cast<size_t>(i)]));
        for (int k = 0; k < cards; ++k) dealOneCard(ref, k, target, false);
    }
}

void PileDrawing::dealOneCard(PileRef ref, int index, Target target, bool animate, QPoint origin) {
    if (!Piles::valid(ref.group, ref.entry) || !game_.positions.placed(ref.group, ref.entry)) return;
    const std::string& pile = game_.piles.pile(ref);
    const Target targets[] = {target, target == Target::Window ? Target::Table : Target::Window};
    const int surfaces = animate ? 2 : 1;
    if (pile.empty()) {
        if (index != 0) return;
        const CardPoint at = topCardPoint(ref);
        for (int s = 0; s < surfaces; ++s) pictures_.drawEmptyPileMark(kindOf(ref), at.x, at.y, targets[s], ref.entry);
        return;
    }
    const int card = cardAt(pile, index);
    // A gap holds a removed card's place and shows nothing, not a back.
    if (card <= 0) return;
    const CardPoint at = cardPlace(ref, index);
    if (animate) {
        dealFlight_.dealFlying(ref, index, origin);
    } else if (game_.cards.faceUp(card)) {
        pictures_.drawCard(card, at.x, at.y, false, target);
    } else {
        pictures_.drawBack(at.x, at.y, cardH(), false, target);
    }
    if (index != 0) return;
    const int left = ref.group == PileGroup::Tableau ? game_.positions.x(ref.group, ref.entry) : at.x;
    for (int s = 0; s < surfaces; ++s) pictures_.restoreCornersOn(targets[s], QRect(left, at.y, cardW(), cardH()));
}

void PileDrawing::redrawTopCard(PileRef ref, Target target) {
    const std::string& pile = game_.piles.pile(ref);
    if (pile.empty()) return;
    dealOneCard(ref, cardCount(pile) - 1, target, false);
}

void PileDrawing::redrawPile(std::string_view name, Target target, bool animate) {
    const std::optional<PileRef> ref = parsePileName(name);
    if (!ref || !Piles::valid(ref->group, ref->entry)) return;
    if (ref->group == PileGroup::Foundation) {
        drawPileByName(name, ref->entry, target);
        return;
    }
    if (ref->group == PileGroup::Stock || !game_.positions.placed(ref->group, ref->entry)) return;
    const int cards = std::max(1, cardCount(game_.piles.pile(*ref)));
    for (int k = 0; k < cards; ++k) dealOneCard(*ref, k, target, animate);
}

void PileDrawing::fixTopCardCorners(int tableauIndex) {
    const PileRef ref{PileGroup::Tableau, tableauIndex};
    if (!Piles::valid(ref.group, ref.entry) || !game_.positions.placed(ref.group, ref.entry)) return;
    const int cards = cardCount(game_.piles.pile(ref));
    if (cards == 0) return;
    // The bottom card's top corners lie on the background; a lone card's
    // bottom corners too.
    const QRect rect(game_.positions.x(ref.group, ref.entry), game_.positions.y(ref.group, ref.entry), cardW(),
                     cardH());
    if (cards == 1) {
        pictures_.restoreCorners(rect);
    } else if (game_.params[param::TableauDisplay] != 2) {
        pictures_.restoreCornersOn(Target::Window, rect, true, false);
        pictures_.restoreCornersOn(Target::Table, rect, true, false);
    }
}

}  // namespace vantrel
