#pragma once
// Piles and the whole table: the top of a pile, the marks of empty piles,
// the stock as a thick block, single cards at their place in a pile, the
// table redrawn after a deal and the highlight of a selection. Owns what
// says where a pile's cards lie: the layout's stock places, the fan steps
// and the untidy piles' offsets.
#include <QPoint>
#include <string_view>

#include "model/piles.h"
#include "view/card_images.h"
#include "view/layout/card_fan.h"
#include "view/layout/layout.h"
#include "view/layout/untidy_piles.h"

namespace vantrel {

class CardPictures;
class DragPicture;
class DrawingHost;
struct Game;
class TableCanvas;
enum class Target;

// Flies a dealt card from the deal origin to its place in a pile.
class DealFlight {
public:
    virtual ~DealFlight() = default;
    virtual void dealFlying(PileRef pile, int index, QPoint origin) = 0;
};

class PileDrawing {
public:
    PileDrawing(Game& game, TableCanvas& canvas, const CardImages& images, DrawingHost& host, CardPictures& pictures,
                DealFlight& dealFlight, DragPicture& drag)
        : game_(game),
          canvas_(canvas),
          images_(images),
          host_(host),
          pictures_(pictures),
          dealFlight_(dealFlight),
          drag_(drag) {}

    // Set by whoever runs the layout: the stock's redraw positions.
    void setLayout(const LayoutResult& result) {
        layout_ = result;
        layoutSet_ = true;
    }
    const LayoutResult& layout() const { return layout_; }
    void setFanSteps(const FanSteps& steps) { steps_ = steps; }
    const FanSteps& fanSteps() const { return steps_; }
    // Fresh sideways offsets of untidy piles, for a new deal.
    void setJitter(const JitterTables& jitter) { jitter_ = jitter; }
    const JitterTables& jitter() const { return jitter_; }

    CardFanContext fanContext() const;
    CardPoint topCardPoint(PileRef pile) const;       // the pile's top card
    CardPoint cardPlace(PileRef pile, int index) const;  // card `index` from the bottom

    void drawPileByName(std::string_view name, int pileIndex, Target target);
    void drawAllMarks(Target target);
    void drawFoundationsAndStock(Target target);
    // The stock-group pile drawn as a block; false when nothing changed.
    bool drawStockThickness(int entry, Target target, bool force);
    static int stockThickness(int cards);
    // Card `index` of a pile at its place (its mark for an empty pile at
    // index 0); with `animate` on both surfaces, flown there from `origin`.
    void dealOneCard(PileRef pile, int index, Target target, bool animate, QPoint origin = {});
    void drawTable(Target target, bool dealAnimation);
    void redrawPile(std::string_view name, Target target, bool animate);
    void redrawTopCard(PileRef pile, Target target);
    void fixTopCardCorners(int tableauIndex);
    void redrawSelection(Target target, bool invert);

private:
    int cardW() const { return images_.width; }
    int cardH() const { return images_.height; }

    Game& game_;
    TableCanvas& canvas_;
    const CardImages& images_;
    DrawingHost& host_;
    CardPictures& pictures_;
    DealFlight& dealFlight_;
    DragPicture& drag_;  // a full redraw ends whatever block was held
    LayoutResult layout_;
    bool layoutSet_ = false;
    FanSteps steps_;
    JitterTables jitter_{};
};

}  // namespace vantrel
