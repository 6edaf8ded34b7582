#pragma once
// What the move executor shows of a move, painted on the table: cards fly
// to where they land, departed places are repainted.
#include <QPoint>
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
    void turnCardFaceUp(int card, const CardSpot& at) override;
    int drawnExtent() const override;

    // Where the card at `spot` lies on the window (the pile's marks when
    // it is not placed).
    QPoint placeOf(const CardSpot& spot) const;

private:
    void landed();  // a flight and its followers are down
    // The pile's own drawing (stock group and foundations show their top),
    // on the table picture, then shown.
    void drawPile(PileRef pile);
    void paintPile(PileRef pile);
    QRect pileBounds(PileRef pile) const;
    bool placed(PileRef pile) const;
    // The table picture without the card that just left the top of `from`,
    // so the flight uncovers what lies below it.
    void liftFromSource(int card, const CardSpot& from);

    Game& game_;
    TableView& view_;
    DrawingHost& host_;
    int followers_ = 0;  // cards of a flown block still to be reported
};

}  // namespace vantrel
