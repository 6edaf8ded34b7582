#pragma once
// What the move executor shows of a move, painted on the table. Cards are
// drawn where they land; the flights come with the animations.
#include <QRect>

#include "engine/move_feedback.h"

namespace vantrel {

class DrawingHost;
struct Game;
class TableView;

class TableFeedback : public MoveFeedback {
public:
    TableFeedback(Game& game, TableView& view, DrawingHost& host) : game_(game), view_(view), host_(host) {}

    void infoBox(std::string_view text) override;
    void drawCardAt(int card, const CardSpot& at) override;
    void animateCard(int card, const CardSpot& from, const CardSpot& to) override;
    void repaintRect(const CardSpot& from, int cards) override;
    void repaintPile(PileRef pile) override;
    void repaintTable() override;
    void drawEmptyStockMarker(PileRef at) override;
    void drawEmptyStock() override;
    void flipCard(int card, const CardSpot& at) override;
    int drawnExtent() const override;

private:
    // The pile's own drawing (stock group and foundations show their top).
    void drawPile(PileRef pile);
    QRect pileBounds(PileRef pile) const;

    Game& game_;
    TableView& view_;
    DrawingHost& host_;
};

}  // namespace vantrel
