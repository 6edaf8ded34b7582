// A gap in a row (a pyramid card taken away) keeps its place and shows
// nothing: neither a redraw of the row nor of its top draws a back there,
// and the card it covered in the row above shows whole.
#include "model/cards.h"
#include "view/table_drawing.h"
#include "view/table_feedback.h"
#include "view/table_view.h"
#include "view_qt/drawing_support.h"

namespace vantrel::test {
namespace {

TEST(PileGaps, AGapDrawsNothingWhereTheRowIsRedrawn) {
    SyntheticTable t;
    t.game.params.set(262, 1);
    t.game.params.set(3, 4);  // cards side by side, as in a pyramid
    t.game.positions.set(PileGroup::Tableau, 0, 10, 10);
    const int step = t.images.width + t.drawing.piles().fanSteps().sideGap;
    const auto shown = [&](int slot) { return at(t.canvas.table, 10 + slot * step + 10, 25); };

    t.game.piles.tableau[0] = cardCode(5) + std::string(GapCode) + cardCode(7);
    t.drawing.piles().redrawPile("Fila1", Target::Table, false);
    EXPECT_EQ(shown(0), faceColour(5));
    EXPECT_EQ(shown(1), TableColour);
    EXPECT_EQ(shown(2), faceColour(7));

    t.game.piles.tableau[0] = cardCode(5) + std::string(GapCode);
    t.drawing.piles().drawPileByName("Fila1", 0, Target::Table);
    EXPECT_EQ(shown(1), TableColour);
}

TEST(PileGaps, APyramidCardTakenAwayUncoversTheCardsAboveIt) {
    constexpr int Pyramid = 100;
    DealtTable t(std::string(VANTREL_BUILD_DIR) + "/");
    std::string error;
    ASSERT_TRUE(t.setUp(Pyramid, 'B', 1024, 700, error)) << error;
    TableView view(t.game, t.host);
    view.resize(t.canvas.windowSize(), t.canvas.table.size());
    view.loadImages();
    view.setLayout(t.drawing.piles().layout());
    view.redraw();
    TableFeedback feedback(t.game, view, t.host);

    const PileRef bottom{PileGroup::Tableau, 6}, above{PileGroup::Tableau, 5};
    t.game.piles.pile(bottom).replace(0, 3, GapCode);
    feedback.repaintRect(CardSpot{bottom, 0, 0, 0}, 1);

    // The lower left of the row above's first card lay under the card taken.
    const int covered = cardAt(t.game.piles.pile(above), 0);
    const CardPoint p = view.drawing().piles().cardPlace(above, 0);
    const int h = view.images().height;
    EXPECT_EQ(at(view.canvas().shown(), p.x + 5, p.y + h - 5), at(*view.images().face(covered), 5, h - 5));
}

}  // namespace
}  // namespace vantrel::test
