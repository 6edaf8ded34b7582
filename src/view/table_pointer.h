#pragma once
// Pointer play painted on the table: the block the player holds becomes
// the drag picture and leaves the table picture, follows the pointer,
// flies to where it lands or back home; peeks and turned cards are drawn
// where they lie. What belongs to the window (beep, cursor, panels, clock)
// is left to the window's subclass.
#include "engine/pointer_feedback.h"

class QPoint;
class QRect;

namespace vantrel {

class DrawingHost;
struct Game;
class TableFeedback;
class TableView;

class TablePointer : public PointerFeedback {
public:
    TablePointer(Game& game, TableView& view, TableFeedback& feedback, DrawingHost& host)
        : game_(game), view_(view), feedback_(feedback), host_(host) {}

    TableGeometry geometry() const override;
    void liftBlock(PileRef pile, int fromIndex, int x, int y, bool lifted) override;
    void dragBlockTo(int x, int y) override;
    void flyBlock(const CardSpot& to, const FlightFlags& flags) override;
    void putBlockBack(PileRef pile, int fromIndex) override;
    void turnedFaceUp(int card, PileRef pile, int index) override;
    void peek(int card, int x, int y) override;
    void drawSelection() override;
    void eraseEmptyStockMarker() override;
    void refreshTable() override;

private:
    // The table picture without the cards from `fromIndex` up.
    void takeOffTable(PileRef pile, int fromIndex);
    CardSpot spotOf(PileRef pile, int index) const;
    QPoint placeOf(PileRef pile, int index) const;
    // The window shows the table picture again where the drag picture and
    // its shadow were; the drag is over.
    void dropDragPicture();

    Game& game_;
    TableView& view_;
    TableFeedback& feedback_;
    DrawingHost& host_;
};

}  // namespace vantrel
