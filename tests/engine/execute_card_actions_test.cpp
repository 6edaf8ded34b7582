// Card actions of the move executor: foundations, rows (single cards and
// runs), reserves, the wastes; the first-move gate; the after-move steps;
// refusals of bad input.
#include "engine/move_rules.h"
#include "execute_support.h"
#include "model/param_ids.h"

namespace vantrel::exec_test {
namespace {

TEST(ExecuteCardActions, DestTakesTheCardFaceUpPlaysFoundationAndScores) {
    Table t;
    t.row(0, {S(9), H(1)});
    t.row(1, {C(4)});
    t.game.cards.setFace(H(1), '0');
    ASSERT_TRUE(t.run(H(1), "Dest2"));
    EXPECT_EQ(t.row(0), pileText({S(9)}));
    EXPECT_EQ(t.foundation(1), pileText({H(1)}));
    EXPECT_TRUE(t.game.cards.faceUp(H(1)));
    EXPECT_EQ(t.sounds(), std::vector<std::string>{"Foundation.wav"});
    EXPECT_EQ(t.game.state.read(field::Score), "-47");  // -52 + 5
    ASSERT_EQ(t.feedback.flights.size(), 1u);
    EXPECT_EQ(t.feedback.flights[0].from.pile, (PileRef{PileGroup::Tableau, 0}));
    EXPECT_EQ(t.feedback.flights[0].from.index, 1);
    EXPECT_EQ(t.feedback.flights[0].to.pile, (PileRef{PileGroup::Foundation, 1}));
    EXPECT_EQ(t.feedback.flights[0].to.index, 0);
    EXPECT_EQ(t.feedback.flipped, std::vector<int>{H(1)});
    // Row 1 is down to one card: repainted whole.
    EXPECT_EQ(t.feedback.repaintedPiles, std::vector<PileRef>{(PileRef{PileGroup::Tableau, 0})});
}

TEST(ExecuteCardActions, EachSingleCardActionMovesToItsPileWithItsSound) {
    struct Case {
        const char* action;
        PileRef to;
        const char* sound;  // nullptr: silent
        int family;
    };
    const Case cases[] = {
        {"Dest_Autoplay3", {PileGroup::Foundation, 2}, "Autoplay.wav", 0},
        {"Appogg4", {PileGroup::Reserve, 3}, "Tableau", 0},
        {"Waste", {PileGroup::Stock, SecondWasteEntry}, nullptr, 0},
        {"Waste", {PileGroup::Stock, SecondWasteEntry}, "Eddy.wav", 12},
        {"Stock02", {PileGroup::Stock, WasteEntry}, "Tableau", 0},
        {"Fila8", {PileGroup::Tableau, 7}, "Tableau", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        Table t;
        t.param(35, c.family);
        t.reserve(2, {D(5), C(7)});
        ASSERT_TRUE(t.run(C(7), c.action));
        EXPECT_EQ(t.reserve(2), pileText({D(5)}));
        EXPECT_EQ(t.game.piles.pile(c.to), pileText({C(7)}));
        EXPECT_EQ(t.sounds(), c.sound ? std::vector<std::string>{c.sound} : std::vector<std::string>{});
    }
}

TEST(ExecuteCardActions, FilaCutsARunAndKeepsItsOrder) {
    Table t;
    t.row(2, {S(13), H(8), C(7), D(6)});
    t.row(5, {S(9)});
    for (int c : {H(8), C(7), D(6)}) t.game.cards.setFace(c, '0');
    ASSERT_TRUE(t.run(H(8), "Fila6"));
    EXPECT_EQ(t.row(2), pileText({S(13)}));
    EXPECT_EQ(t.row(5), pileText({S(9), H(8), C(7), D(6)}));
    for (int c : {H(8), C(7), D(6)}) EXPECT_TRUE(t.game.cards.faceUp(c));
    ASSERT_EQ(t.feedback.flights.size(), 3u);
    EXPECT_EQ(t.feedback.flights[2].card, D(6));
    EXPECT_EQ(t.feedback.flights[2].from.index, 3);
    EXPECT_EQ(t.feedback.flights[2].to.index, 3);
    ASSERT_EQ(t.feedback.repaintedAreas.size(), 1u);
    EXPECT_EQ(t.feedback.repaintedAreas[0].card, 3);  // the run's three cards
    EXPECT_EQ(t.sounds(), std::vector<std::string>{"Tableau"});
}

// Where every reserve card is available, a buried one leaves alone: it may
// go home and lands on a row without the cards that cover it.
TEST(ExecuteCardActions, BuriedReserveCardLeavesAloneOnlyWhereEveryCardIsAvailable) {
    for (const int pickup : {param::AnyReserveCard, 0}) {
        SCOPED_TRACE(pickup);
        const bool alone = pickup == param::AnyReserveCard;
        Table t;
        t.param(param::ReservePickup, pickup);
        t.param(param::FoundationBase.at(0), 1);  // an Ace starts Dest1
        t.param(param::FoundationCapacity, 13);
        t.reserve(1, {S(5), H(1), D(9)});
        t.row(4, {C(2)});
        EXPECT_EQ(MoveRules(t.game).canGoToPile(H(1), "Dest1"), alone);
        ASSERT_TRUE(t.run(H(1), "Fila5"));
        EXPECT_EQ(t.reserve(1), alone ? pileText({S(5), D(9)}) : pileText({S(5)}));
        EXPECT_EQ(t.row(4), alone ? pileText({C(2), H(1)}) : pileText({C(2), H(1), D(9)}));
    }
}

TEST(ExecuteCardActions, WithoutAnimationTheCardIsDrawnInPlace) {
    Table t;
    t.game.state.write(field::Cards_Animate, "N");
    t.row(0, {H(1)});
    ASSERT_TRUE(t.run(H(1), "Dest1"));
    EXPECT_TRUE(t.feedback.flights.empty());
    ASSERT_EQ(t.feedback.drawn.size(), 1u);
    EXPECT_EQ(t.feedback.drawn[0].to.pile, (PileRef{PileGroup::Foundation, 0}));
}

TEST(ExecuteCardActions, SoundSwitchesSilenceTheirEventsOnly) {
    Table t;
    t.game.state.write(field::Sounds_Foundation, "N");
    t.row(0, {H(2), H(1)});
    ASSERT_TRUE(t.run(H(1), "Dest1"));
    ASSERT_TRUE(t.run(H(2), "Dest_Autoplay1"));
    EXPECT_EQ(t.sounds(), std::vector<std::string>{"Autoplay.wav"});
    t.game.state.write(field::Sounds_Enabled, "N");
    t.row(0, {S(3)});
    ASSERT_TRUE(t.run(S(3), "Appogg1"));
    EXPECT_EQ(t.sounds().size(), 1u);
}

TEST(ExecuteCardActions, BadInputChangesNothing) {
    const char* const actions[] = {"Dest5",  "Dest0",  "Dest17", "Fila9",   "Fila",     "Appogg5", "Appogg12",
                                   "Dest1x", "Fila 1", "Jump",   "",        "Add_Reserve_9", "Dest_Autoplay"};
    for (const char* action : actions) {
        SCOPED_TRACE(action);
        Table t;
        t.row(0, {C(5), H(1)});
        const auto before = t.snapshot();
        EXPECT_FALSE(t.run(H(1), action));
        EXPECT_EQ(t.snapshot(), before);
        EXPECT_EQ(t.game.play.moveCounter, 0);
        EXPECT_TRUE(t.sounds().empty());
    }
    for (int card : {0, -3, 105, 999, D(9)}) {  // D(9) lies on no pile
        SCOPED_TRACE(card);
        Table t;
        t.row(0, {C(5), H(1)});
        const auto before = t.snapshot();
        EXPECT_FALSE(t.run(card, "Dest1"));
        EXPECT_FALSE(t.run(card, "Fila2"));
        EXPECT_EQ(t.snapshot(), before);
    }
}

TEST(ExecuteCardActions, PuttingACardBackWhereItLiesIsNoMove) {
    // A reserve of type 13 accepts its own top card; a run dropped on its own row.
    const std::pair<int, const char*> moves[] = {{D(3), "Appogg1"}, {S(7), "Fila1"}, {S(8), "Fila1"}};
    for (const auto& [card, action] : moves) {
        SCOPED_TRACE(action);
        Table t;
        t.param(32, 1);
        t.row(0, {S(8), S(7)});
        t.reserve(1, {C(1), D(3)});
        t.stock({C(9)});
        const auto before = t.snapshot();
        EXPECT_FALSE(t.run(card, action));
        EXPECT_EQ(t.snapshot(), before);
        EXPECT_EQ(t.game.play.moveCounter, 0);
        EXPECT_TRUE(t.sounds().empty());
    }
}

TEST(ExecuteCardActions, FirstMoveGateAdmitsOnlyTableauToFoundation) {
    Table t;
    t.param(31, 1);
    t.row(0, {H(1)});
    t.row(1, {S(2)});
    t.reserve(1, {D(1)});
    t.stock({C(9), C(8)});
    t.param(8, 1);  // a click would turn a card to the waste
    const auto before = t.snapshot();
    EXPECT_FALSE(t.run(D(1), "Dest1")) << "a reserve card";
    EXPECT_FALSE(t.run(H(1), "Fila2")) << "a row move";
    EXPECT_FALSE(t.run(H(1), "Appogg2"));
    EXPECT_FALSE(t.executor.StockClick().changed);
    EXPECT_EQ(t.snapshot(), before);
    EXPECT_TRUE(t.run(H(1), "Dest1"));
    // The gate is passed: any move now.
    EXPECT_TRUE(t.run(D(1), "Dest2"));
}

TEST(ExecuteCardActions, MoveCounterStopsAtTwoAndFillsRowsOnceAfterTheFirstMove) {
    Table t;
    t.param(32, 1);
    t.param(262, 3);
    t.row(0, {H(1)});
    t.row(1, {S(5)});
    t.row(2, {D(7), D(6)});
    t.stock({C(2), C(3), C(4)});
    ASSERT_TRUE(t.run(H(1), "Dest1"));
    // Row 1 emptied by the move and refilled from the stock's top.
    EXPECT_EQ(t.row(0), pileText({C(4)}));
    EXPECT_EQ(t.game.play.moveCounter, 2);
    ASSERT_TRUE(t.run(D(6), "Appogg1"));
    ASSERT_TRUE(t.run(S(5), "Appogg2"));
    EXPECT_EQ(t.row(1), "") << "no second fill";
    EXPECT_EQ(t.game.play.moveCounter, 2);
}

TEST(ExecuteCardActions, WonFlagFollowsEveryMoveAndFamilyNineKeepsNoScore) {
    Table t;
    t.row(0, {H(2), H(1)});
    t.game.state.write(field::Score, "7");
    ASSERT_TRUE(t.run(H(1), "Dest1"));
    EXPECT_FALSE(t.game.won);
    ASSERT_TRUE(t.run(H(2), "Dest1"));
    EXPECT_TRUE(t.game.won);

    Table nine;
    nine.param(35, 9);
    nine.param(262, 1);
    nine.row(0, {H(3)});
    nine.reserve(1, {H(4)});
    nine.game.state.write(field::Score, "100");
    ASSERT_TRUE(nine.run(H(4), "Fila1"));
    EXPECT_EQ(nine.game.state.read(field::Score), "100");
    EXPECT_TRUE(nine.game.won);
}

TEST(ExecuteCardActions, TableExtentRisesWithTheDrawing) {
    Table t;
    t.row(0, {H(2), H(1)});
    t.feedback.extent = 420;
    ASSERT_TRUE(t.run(H(1), "Dest1"));
    EXPECT_EQ(t.executor.tableExtent(), 420);
    t.feedback.extent = 300;  // a full redraw reset the tracker
    ASSERT_TRUE(t.run(H(2), "Dest1"));
    EXPECT_EQ(t.executor.tableExtent(), 420);
}

}  // namespace
}  // namespace vantrel::exec_test
