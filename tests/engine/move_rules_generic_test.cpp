// The generic rule, the empty-pile rule and the balance rule.
#include <gtest/gtest.h>

#include "move_rules_support.h"

namespace vantrel::test {
namespace {

RuleArgs onRow(int target, int moving, int rule, int direction, int reference, bool wrap = false) {
    RuleArgs a;
    a.target = target;
    a.moving = moving;
    a.rule = rule;
    a.direction = direction;
    a.referenceRank = reference;
    a.wrap = wrap;
    a.emptyCode = -1;
    return a;
}

TEST(GenericRule, SuitFilterAndDirection) {
    struct Case {
        const char* label;
        int target, moving, rule, direction;
        bool expected;
    } cases[] = {
        {"0 same suit up", H(5), H(6), 0, 1, true},
        {"0 other suit", H(5), S(6), 0, 1, false},
        {"1 same colour", H(5), D(6), 1, 1, true},
        {"1 other colour", H(5), C(6), 1, 1, false},
        {"3 alternate", H(5), C(4), 3, 0, true},
        {"3 same colour", H(5), D(4), 3, 0, false},
        {"6 never", H(5), H(6), 6, 1, false},
        {"2 any suit up", H(5), C(6), 2, 1, true},
        {"up refuses down", H(5), C(4), 2, 1, false},
        {"down refuses up", H(5), C(6), 2, 0, false},
        {"either way, up", H(5), C(6), 2, 2, true},
        {"either way, down", H(5), C(4), 2, 2, true},
        {"either way, two apart", H(5), C(7), 2, 2, false},
        {"direction 3 allows nothing", H(5), C(6), 2, 3, false},
        {"up row: King wraps to Ace", H(13), C(1), 2, 1, true},
        {"up row: nothing else on a King", H(13), C(12), 2, 1, false},
        {"either way: Queen on King goes down", H(13), C(12), 2, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Table t;
        EXPECT_EQ(t.rules.ruleCheck(onRow(c.target, c.moving, c.rule, c.direction, 0)), c.expected);
    }
}

TEST(GenericRule, ReferenceRankEndsRowsUnlessTheyWrap) {
    Table t;
    // Down in alternate colours, reference rank 1: a King may not cover an Ace.
    EXPECT_FALSE(t.rules.ruleCheck(onRow(H(1), S(13), 3, 0, 1)));
    // Reference rank 5: the King covers the Ace, but a 5 ends the row...
    EXPECT_TRUE(t.rules.ruleCheck(onRow(H(1), S(13), 3, 0, 5)));
    EXPECT_FALSE(t.rules.ruleCheck(onRow(H(5), S(4), 3, 0, 5)));
    // ...unless the row wraps.
    EXPECT_TRUE(t.rules.ruleCheck(onRow(H(5), S(4), 3, 0, 5, true)));
    // Building up, the reference rank ends the row the same way.
    EXPECT_FALSE(t.rules.ruleCheck(onRow(H(5), S(6), 3, 1, 5)));
    EXPECT_TRUE(t.rules.ruleCheck(onRow(H(5), S(6), 3, 1, 5, true)));
    // Balance codes as the reference rank close rows at the Ace.
    EXPECT_FALSE(t.rules.ruleCheck(onRow(H(1), S(13), 3, 0, 82)));
    EXPECT_TRUE(t.rules.ruleCheck(onRow(H(1), S(13), 3, 0, 82, true)));
}

RuleArgs onFoundation(int target, int moving, int direction, int base) {
    RuleArgs a = onRow(target, moving, 0, direction, base, true);
    a.foundation = true;
    a.emptyCode = base;
    return a;
}

TEST(GenericRule, FoundationsWrapUnlessTheyStartThere) {
    Table t;
    EXPECT_TRUE(t.rules.ruleCheck(onFoundation(-1, H(1), 1, 1)));
    EXPECT_FALSE(t.rules.ruleCheck(onFoundation(-1, H(2), 1, 1)));
    EXPECT_TRUE(t.rules.ruleCheck(onFoundation(H(12), H(13), 1, 1)));
    EXPECT_FALSE(t.rules.ruleCheck(onFoundation(H(13), Second(H(1)), 1, 1)));  // nothing after the King
    EXPECT_TRUE(t.rules.ruleCheck(onFoundation(H(13), H(1), 1, 5)));           // base 5 wraps
    EXPECT_FALSE(t.rules.ruleCheck(onFoundation(H(13), H(1), 2, 1)));          // no down test after the King
    // Down: Ace to King unless the foundation started on a King.
    EXPECT_TRUE(t.rules.ruleCheck(onFoundation(H(1), H(13), 0, 5)));
    EXPECT_FALSE(t.rules.ruleCheck(onFoundation(H(1), H(13), 0, 13)));
    EXPECT_TRUE(t.rules.ruleCheck(onFoundation(H(6), H(5), 0, 13)));
}

TEST(GenericRule, FoundationBuiltFromAceToKingThenNothing) {
    Table t;
    t.param(25, 13);
    t.param(36, 1);
    t.param(52, 1);
    for (int rank = 1; rank <= 13; ++rank) {
        SCOPED_TRACE(rank);
        EXPECT_EQ(t.rules.foundationCheck(S(rank), 0), rank == 1);  // any Ace starts it
        ASSERT_TRUE(t.rules.foundationCheck(H(rank), 0));
        t.game.piles.foundations[0] += cardCode(H(rank));
    }
    EXPECT_FALSE(t.rules.foundationCheck(Second(H(1)), 0));
}

TEST(EmptyPileRule, ByCode) {
    struct Case {
        const char* label;
        int emptyCode, moving, reference;
        bool expected;
    } cases[] = {
        {"13 takes a King", 13, S(13), 0, true},
        {"13 refuses a Queen", 13, S(12), 0, false},
        {"0 takes nothing", 0, S(1), 0, false},
        {"14 takes nothing", 14, S(13), 0, false},
        {"any rank with reference -1", 13, S(4), -1, true},
        {"-1 takes anything", -1, S(4), 0, true},
        {"82 never", 82, S(1), 0, false},
        {"83 never", 83, S(13), 0, false},
        {"81 balances Aces", 81, S(1), 0, true},
        {"81 refuses a King", 81, S(13), 0, false},
        {"84 balances Kings", 84, S(13), 0, true},
        {"85 refuses a two", 85, S(2), 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Table t;
        RuleArgs a = onRow(-1, c.moving, 2, 1, c.reference);
        a.emptyCode = c.emptyCode;
        EXPECT_EQ(t.rules.ruleCheck(a), c.expected);
    }
}

TEST(EmptyPileRule, ByWhatMovesAndWhereFrom) {
    Table t;
    RuleArgs a = onRow(-1, S(7), 2, 1, 0);
    a.emptyCode = 86;  // a single card only
    t.row(2, {H(9), S(7), H(6)});
    EXPECT_FALSE(t.rules.ruleCheck(a));
    a.moving = H(6);
    EXPECT_TRUE(t.rules.ruleCheck(a));

    a.emptyCode = 87;  // only from the stock or the waste
    EXPECT_FALSE(t.rules.ruleCheck(a));
    t.reserve(1, {C(3)});
    t.foundation(4, {C(1)});
    a.moving = C(3);
    EXPECT_FALSE(t.rules.ruleCheck(a));
    a.moving = C(1);
    EXPECT_FALSE(t.rules.ruleCheck(a));
    t.waste({D(4)});
    t.stock({D(5)});
    a.moving = D(4);
    EXPECT_TRUE(t.rules.ruleCheck(a));
    a.moving = D(5);
    EXPECT_TRUE(t.rules.ruleCheck(a));
}

TEST(EmptyPileRule, Code92FollowsTheFirstFoundationsRank) {
    Table t;
    RuleArgs a = onFoundation(-1, S(7), 1, 92);
    a.rule = 0;
    EXPECT_TRUE(t.rules.ruleCheck(a));  // nothing started yet: any rank
    t.foundation(0, {H(7), H(8)});
    t.foundation(3, {D(7)});
    EXPECT_TRUE(t.rules.ruleCheck(a));
    a.moving = S(8);
    EXPECT_FALSE(t.rules.ruleCheck(a));
}

TEST(BalanceRule, ColoursAndSuitsOfTheFoundationsSharingTheCode) {
    Table t;
    for (int j = 0; j < 4; ++j) t.param(36 + j, 81);
    t.foundation(0, {H(1), H(2)});
    t.foundation(1, {D(1)});
    EXPECT_FALSE(t.rules.balanceRule(81, Second(H(1))));  // a third red Ace
    EXPECT_TRUE(t.rules.balanceRule(81, C(1)));
    t.foundation(2, {C(1)});
    EXPECT_TRUE(t.rules.balanceRule(81, Second(C(1))));  // colours only, suits may repeat

    for (int j = 0; j < 4; ++j) t.param(36 + j, 85);
    EXPECT_FALSE(t.rules.balanceRule(85, Second(C(1))));  // one Ace of each suit
    EXPECT_TRUE(t.rules.balanceRule(85, S(1)));

    for (int j = 0; j < 4; ++j) t.param(36 + j, 84);
    t.foundation(0, {H(13)});
    t.foundation(1, {});
    t.foundation(2, {});
    EXPECT_FALSE(t.rules.balanceRule(84, Second(H(13))));
    EXPECT_TRUE(t.rules.balanceRule(84, D(13)));
    EXPECT_FALSE(t.rules.balanceRule(84, D(1)));
    EXPECT_TRUE(t.messages.shown.empty());
}

TEST(BalanceRule, UnknownSuitIsReportedAndNotCounted) {
    Table t;
    for (int j = 0; j < 2; ++j) t.param(36 + j, 85);
    t.game.piles.foundations[0] = "999";
    EXPECT_TRUE(t.rules.balanceRule(85, S(1)));
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.messages.shown[0], "Error suit - 1");
}

}  // namespace
}  // namespace vantrel::test
