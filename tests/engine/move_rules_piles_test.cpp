// Foundation, tableau and reserve checks, pile dispatch, run size and run
// checks, and where cards lie.
#include <gtest/gtest.h>

#include "move_rules_support.h"

namespace vantrel::test {
namespace {

// A foundation built up in suit from the Ace, holding at most 13 cards.
void upFromAce(Table& t, int j) {
    t.param(25, 13);
    t.param(36 + j, 1);
    t.param(52 + j, 1);
}

TEST(FoundationCheck, OnlyASingleCardWithinCapacity) {
    Table t;
    upFromAce(t, 0);
    t.row(0, {H(1), S(9)});
    EXPECT_FALSE(t.rules.foundationCheck(H(1), 0));  // covered: the nine would move with it
    t.row(0, {H(1)});
    EXPECT_TRUE(t.rules.foundationCheck(H(1), 0));
    t.param(25, 0);
    EXPECT_FALSE(t.rules.foundationCheck(H(1), 0));
}

TEST(FoundationCheck, QueensAndTableauCodes) {
    Table t;
    t.param(68, 10);  // an empty foundation takes only a Queen
    EXPECT_TRUE(t.rules.foundationCheck(S(12), 0));
    EXPECT_FALSE(t.rules.foundationCheck(S(11), 0));
    t.foundation(0, {H(12)});
    EXPECT_FALSE(t.rules.foundationCheck(S(12), 0));

    t.param(69, 22);  // an Ace, or a card a row's top of its suit can follow
    EXPECT_TRUE(t.rules.foundationCheck(C(1), 1));
    EXPECT_FALSE(t.rules.foundationCheck(C(5), 1));
    t.row(2, {C(4)});
    EXPECT_FALSE(t.rules.foundationCheck(C(5), 1));
    t.row(3, {H(9), C(7)});
    EXPECT_TRUE(t.rules.foundationCheck(C(5), 1));
}

TEST(FoundationCheck, Codes20And29RunPastCapacity) {
    Table t;
    t.param(25, 13);
    std::string text;
    for (int c = 1; c <= 13; ++c) text += cardCode(c);
    t.game.piles.foundations[0] = text;
    t.param(68, 0);
    EXPECT_FALSE(t.rules.foundationCheck(Second(H(13)), 0));
    t.param(68, 29);  // a second King after the first thirteen
    EXPECT_TRUE(t.rules.foundationCheck(Second(H(13)), 0));
    t.param(68, 20);  // King wraps to Ace, beyond 13 cards
    EXPECT_TRUE(t.rules.foundationCheck(S(1), 0));
    text.clear();
    for (int c = 1; c <= 52; ++c) text += cardCode(c);
    t.game.piles.foundations[0] = text;
    EXPECT_FALSE(t.rules.foundationCheck(Second(H(1)), 0));  // but not past 52
}

TEST(FoundationSweep, CoveredCardsAndTheMissingTopCountsAsRankZero) {
    Table t;
    upFromAce(t, 0);
    t.row(0, {H(1), S(9)});
    EXPECT_TRUE(t.rules.foundationSweepCheck(H(1), 0));
    t.param(68, 14);  // two up: from rank 0 in the sweep, from -1 in play
    EXPECT_TRUE(t.rules.foundationSweepCheck(S(2), 0));
    EXPECT_FALSE(t.rules.foundationSweepCheck(S(1), 0));
    EXPECT_TRUE(t.rules.foundationCheck(S(1), 0));
    t.param(68, 38);
    EXPECT_FALSE(t.rules.foundationSweepCheck(S(13), 0));
    EXPECT_TRUE(t.rules.foundationCheck(S(13), 0));  // in play the pile is empty
}

TEST(TableauCheck, FaceDownTopRefuses) {
    Table t;
    t.param(152, 3);
    t.row(0, {S(5)});
    EXPECT_TRUE(t.rules.tableauCheck(H(4), 0));
    t.game.cards.setFace(S(5), '0');
    EXPECT_FALSE(t.rules.tableauCheck(H(4), 0));
}

TEST(TableauCheck, Code34TakesRunsOnlyOnEmptyRows) {
    Table t;
    t.param(11, -1);
    t.param(152, 34);
    t.param(153, 34);
    t.param(101, -1);
    t.row(0, {S(5)});
    t.row(2, {C(9), H(4), C(3)});
    EXPECT_FALSE(t.rules.tableauCheck(H(4), 0));
    EXPECT_TRUE(t.rules.tableauCheck(H(4), 1));
    t.row(2, {C(9), H(4)});
    EXPECT_TRUE(t.rules.tableauCheck(H(4), 0));
}

TEST(TableauCheck, RunSizeToAnEmptyRow) {
    Table t;
    t.param(11, -5);
    t.param(263, 2);
    for (int k = 0; k < 8; ++k) {
        t.param(152 + k, 3);
        t.param(100 + k, -1);
    }
    for (int k = 0; k < 7; ++k) t.row(k, {Second(C(k + 1))});
    t.row(1, {C(2), S(12), H(11), S(10), H(9)});  // row 7 stays empty
    t.row(3, {D(13)});
    // 2 free reserves and 1 empty row: 4 cards onto a card, 3 into the empty row.
    EXPECT_TRUE(t.rules.runSizeCheck(S(12), false));
    EXPECT_TRUE(t.rules.tableauCheck(S(12), 3));
    EXPECT_TRUE(t.rules.tableauCheck(H(11), 7));
    EXPECT_FALSE(t.rules.tableauCheck(S(12), 7));
    t.param(11, -1);
    EXPECT_TRUE(t.rules.tableauCheck(S(12), 7));
}

TEST(TableauCheck, RunNeverGoesBackOntoItsOwnRow) {
    Table t;
    t.param(11, -1);
    t.param(153, 12);  // row 1 takes anything
    t.param(156, 12);
    t.row(1, {S(12), H(11), S(10), H(9)});
    t.row(4, {D(2)});
    ASSERT_TRUE(t.rules.runSizeCheck(S(10), false));
    EXPECT_FALSE(t.rules.tableauCheck(S(10), 1));
    EXPECT_TRUE(t.rules.tableauCheck(S(10), 4));
    t.game.play.sourceMarker = 0;  // the drag ended
    EXPECT_TRUE(t.rules.tableauCheck(S(10), 1));
    // A marker left behind marks a card, not the row: once that card has
    // left the row, the row takes cards again.
    ASSERT_TRUE(t.rules.runSizeCheck(S(10), false));
    t.row(1, {});
    EXPECT_TRUE(t.rules.tableauCheck(D(2), 1));
}

TEST(ReserveCheck, ByType) {
    struct Case {
        const char* label;
        int type, card;
        int firstHeld, ownHeld;
        bool expected;
    } cases[] = {
        {"4 never", 4, S(1), 0, 0, false},
        {"8 a King", 8, S(13), 2, 0, true},
        {"8 not a Queen", 8, S(12), 0, 0, false},
        {"8 first reserve full", 8, S(13), 3, 0, false},
        {"13 stacks", 13, S(4), 4, 2, true},
        {"13 first reserve full", 13, S(4), 5, 0, false},
        {"9 a face card", 9, S(11), 0, 0, true},
        {"9 not a ten", 9, S(10), 0, 0, false},
        {"9 only when empty", 9, S(11), 0, 1, false},
        {"0 a free cell", 0, S(4), 0, 0, true},
        {"0 taken cell", 0, S(4), 0, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Table t;
        t.param(231, c.type);  // reserve 2
        for (int i = 0; i < c.firstHeld; ++i) t.game.piles.reserves[0] += cardCode(D(i + 1));
        for (int i = 0; i < c.ownHeld; ++i) t.game.piles.reserves[1] += cardCode(C(i + 1));
        EXPECT_EQ(t.rules.reserveCheck(c.card, 2), c.expected);
    }
    Table t;
    t.row(0, {S(4), H(3)});
    EXPECT_FALSE(t.rules.reserveCheck(S(4), 2));  // a run never goes to a cell
}

TEST(CanGoToPile, DispatchesByName) {
    Table t;
    upFromAce(t, 2);
    t.param(154, 2);
    t.param(102, -1);
    t.param(232, 0);
    EXPECT_TRUE(t.rules.canGoToPile(H(1), "Dest3"));
    EXPECT_FALSE(t.rules.canGoToPile(H(2), "Dest3"));
    EXPECT_TRUE(t.rules.canGoToPile(H(2), "Fila3"));
    EXPECT_TRUE(t.rules.canGoToPile(H(2), "Appogg3"));
    t.reserve(3, {S(9)});
    EXPECT_FALSE(t.rules.canGoToPile(H(2), "Appogg3"));
    for (const char* name : {"Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest17", "Fila0", "Appogg", "Table", ""})
        EXPECT_FALSE(t.rules.canGoToPile(H(2), name)) << name;
}

TEST(RunSizeCheck, LimitByMode) {
    struct Case {
        const char* label;
        int mode, length;
        bool toEmpty, kingAtBottom;
        bool expected;
    } cases[] = {
        // Table below: 2 free reserves (of 4: 2 taken), 1 empty row.
        {"-1 unlimited", -1, 6, false, false, true},
        {"-12 a King's run", -12, 5, false, true, true},
        {"-12 one card", -12, 1, false, false, true},
        {"-12 other runs", -12, 2, false, false, false},
        {"-5 onto a card", -5, 4, false, false, true},
        {"-5 onto a card, too long", -5, 5, false, false, false},
        {"-5 into the empty row", -5, 3, true, false, true},
        {"-5 into the empty row, too long", -5, 4, true, false, false},
        {"-6", -6, 3, false, false, true},
        {"-6 too long", -6, 4, false, false, false},
        {"-3 empty rows", -3, 1, false, false, true},
        {"-3 too long", -3, 2, false, false, false},
        {"3 fixed", 3, 3, false, false, true},
        {"3 fixed, too long", 3, 4, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Table t;
        t.param(11, c.mode);
        t.reserve(1, {D(1)});
        t.reserve(3, {D(2)});
        for (int k = 0; k < 7; ++k) t.row(k, {Second(D(k + 1))});
        std::string run = cardCode(c.kingAtBottom ? S(13) : S(12));
        for (int i = 1; i < c.length; ++i) run += cardCode(C(i));
        t.game.piles.tableau[4] += run;
        EXPECT_EQ(t.rules.runSizeCheck(codeValue(run.substr(0, 3)), c.toEmpty), c.expected);
        EXPECT_EQ(t.game.play.sourceMarker, codeValue(run.substr(run.size() - 3)));  // the run's top card
    }
}

TEST(RunSizeCheck, NoEmptyRowsAndOtherNegativeModeAllowsOne) {
    Table t;
    for (int k = 0; k < 8; ++k) t.row(k, {Second(D(k + 1))});
    t.row(0, {S(5), H(4)});
    t.param(11, -5);
    EXPECT_TRUE(t.rules.runSizeCheck(S(5), false));  // 4 free reserves + 1
    t.param(11, -7);
    EXPECT_FALSE(t.rules.runSizeCheck(S(5), false));
    EXPECT_TRUE(t.rules.runSizeCheck(H(4), false));
    t.waste({C(3)});
    EXPECT_TRUE(t.rules.runSizeCheck(C(3), false));
    EXPECT_EQ(t.game.play.sourceMarker, C(3));  // no row has it on top
}

TEST(RunCheck, ModesOneAndTen) {
    Table t;
    t.param(152, 3);  // both rows: alternate colours down
    t.param(153, 3);
    t.row(0, {C(9), H(8), S(7), D(6)});
    t.row(1, {Second(C(9)), Second(C(8)), Second(C(7))});
    t.param(2, 1);
    EXPECT_TRUE(t.rules.runCheck(H(8), 0));
    EXPECT_FALSE(t.rules.runCheck(Second(C(9)), 1));
    EXPECT_FALSE(t.rules.runCheck(H(8), 1));  // not in that row
    t.param(2, 10);                           // same suit, whatever the row's code
    EXPECT_FALSE(t.rules.runCheck(H(8), 0));
    EXPECT_TRUE(t.rules.runCheck(Second(C(9)), 1));
    t.param(2, 0);
    EXPECT_TRUE(t.rules.runCheck(C(9), 0));
}

TEST(MoveRules, NonsenseIsRefusedQuietly) {
    Table t;
    t.param(36, -1);
    t.param(100, -1);
    for (int card : {0, -5, 105, 999}) {
        SCOPED_TRACE(card);
        EXPECT_FALSE(t.rules.canGoToPile(card, "Fila1"));
        EXPECT_FALSE(t.rules.ruleCheck(t.rules.tableauArgs(card, 0)));
    }
    EXPECT_FALSE(t.rules.foundationCheck(H(1), 16));
    EXPECT_FALSE(t.rules.foundationSweepCheck(H(1), -1));
    EXPECT_FALSE(t.rules.tableauCheck(H(1), 26));
    EXPECT_FALSE(t.rules.reserveCheck(H(1), 9));
    t.param(2, 1);
    EXPECT_FALSE(t.rules.runCheck(H(1), 30));
    EXPECT_EQ(t.rules.foundationArgs(H(1), 40).target, -1);
}

TEST(CardLocation, Codes) {
    Table t;
    t.stock({H(1)});
    t.waste({H(2)});
    t.game.piles.stock[SecondWasteEntry] = pileText({H(3)});
    t.foundation(15, {H(4)});
    t.param(262, 26);  // cards are looked for in the rows in use only
    t.row(25, {H(5)});
    t.reserve(8, {H(6)});
    EXPECT_EQ(t.rules.cardLocation(H(1)), -99);
    EXPECT_EQ(t.rules.cardLocation(H(2)), -98);
    EXPECT_EQ(t.rules.cardLocation(H(3)), 0);
    EXPECT_EQ(t.rules.cardLocation(H(4)), -16);
    EXPECT_EQ(t.rules.cardLocation(H(5)), 26);
    EXPECT_EQ(t.rules.cardLocation(H(6)), -28);
    EXPECT_EQ(t.rules.cardLocation(H(7)), 0);
}

}  // namespace
}  // namespace vantrel::test
