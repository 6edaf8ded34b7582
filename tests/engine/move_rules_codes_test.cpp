// Every special rule code: an accepted and a refused case, and proof that
// the code decides differently from the generic rule.
#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "move_rules_support.h"

namespace vantrel::test {
namespace {

// The generic rule with no suit filter: what a code would give if it fell through.
constexpr int GenericCode = 57;

struct CodeCase {
    CodeCase(const char* l, int r, int t, int m, bool e) : label(l), expected(e) {
        args.rule = r;
        args.target = t;
        args.moving = m;
        args.direction = 1;
        args.emptyCode = -1;
    }
    CodeCase& dir(int d) { return args.direction = d, *this; }
    CodeCase& empty(int b) { return args.emptyCode = b, *this; }
    CodeCase& at(int index) { return args.pileIndex = index, *this; }
    CodeCase& ref(int o) { return args.referenceRank = o, *this; }
    CodeCase& onFoundation() { return args.foundation = true, *this; }
    CodeCase& sweep() { return args.fromPlay = false, *this; }
    CodeCase& with(std::function<void(Table&)> f) { return setup = std::move(f), *this; }

    const char* label;
    bool expected;
    RuleArgs args;
    std::function<void(Table&)> setup;
};

std::vector<CodeCase> codeCases() {
    return {
        // 4, 5: never.
        CodeCase("4 refuses a plain build", 4, H(5), H(6), false),
        CodeCase("4 refuses an empty pile that takes anything", 4, -1, H(6), false),
        CodeCase("5 refuses a plain build", 5, H(5), H(6), false),
        // 7: from play only an empty pile while the stock is empty.
        CodeCase("7 empty pile, empty stock", 7, -1, S(9), true).empty(0),
        CodeCase("7 empty pile, stock holds cards", 7, -1, S(9), false).empty(0).with([](Table& t) { t.stock({H(2)}); }),
        CodeCase("7 refuses a build in play", 7, H(5), H(6), false),
        CodeCase("7 sweep uses the generic rule", 7, H(5), H(6), true).sweep(),
        // 11: no Queen on a King or a Jack, same suit.
        CodeCase("11 Jack on ten, same suit", 11, H(10), H(11), true),
        CodeCase("11 Queen on Jack", 11, H(11), H(12), false),
        CodeCase("11 Queen on King building down", 11, H(13), H(12), false).dir(0),
        CodeCase("11 other suit", 11, H(10), S(11), false),
        // 12: always.
        CodeCase("12 anything", 12, H(5), S(9), true),
        CodeCase("12 not a card onto itself", 12, H(5), H(5), false),
        // 14-16: ranks apart by 2, 3, 4, wrapping past King.
        CodeCase("14 two up", 14, H(5), S(7), true),
        CodeCase("14 one up", 14, H(5), S(6), false),
        CodeCase("14 wraps", 14, H(12), S(1), true),
        CodeCase("14 empty takes an Ace", 14, -1, S(1), true).empty(0),
        CodeCase("15 three up", 15, H(5), C(8), true),
        CodeCase("15 two up", 15, H(5), C(7), false),
        CodeCase("16 four up", 16, H(5), D(9), true),
        CodeCase("16 wraps", 16, H(10), D(1), true),
        CodeCase("16 wrong step", 16, H(10), D(2), false),
        // 17, 18, 19, 33: by where the card lies.
        CodeCase("17 from a row", 17, H(5), S(4), false).with([](Table& t) { t.row(3, {S(4)}); }),
        CodeCase("17 from the waste", 17, H(5), S(9), true).with([](Table& t) { t.waste({S(9)}); }),
        CodeCase("18 row card onto a row holding cards", 18, H(5), S(4), false)
            .with([](Table& t) { t.row(0, {H(5)}); t.row(3, {S(4)}); }),
        CodeCase("18 row card onto the empty row", 18, -1, S(4), true).empty(0).with([](Table& t) { t.row(3, {S(4)}); }),
        CodeCase("18 waste card anywhere", 18, H(5), S(9), true).with([](Table& t) { t.row(0, {H(5)}); t.waste({S(9)}); }),
        CodeCase("19 from a reserve", 19, H(5), S(6), false).with([](Table& t) { t.reserve(2, {S(6)}); }),
        CodeCase("19 from a row", 19, H(5), S(6), false).with([](Table& t) { t.row(1, {S(6)}); }),
        CodeCase("19 from the waste", 19, H(5), S(9), true).with([](Table& t) { t.waste({S(9)}); }),
        CodeCase("33 waste card onto a one-card row", 33, H(5), S(9), true)
            .with([](Table& t) { t.row(0, {H(5)}); t.waste({S(9)}); }),
        CodeCase("33 onto a two-card row", 33, H(5), S(9), false)
            .with([](Table& t) { t.row(0, {H(2), H(5)}); t.waste({S(9)}); }),
        CodeCase("33 from a row", 33, H(5), S(9), false).with([](Table& t) { t.row(0, {H(5)}); t.row(1, {S(9)}); }),
        // 20: up in any suit, Ace first, King wraps to Ace.
        CodeCase("20 one up", 20, H(5), S(6), true).onFoundation(),
        CodeCase("20 Ace on empty", 20, -1, S(1), true).onFoundation().empty(0),
        CodeCase("20 Ace on King", 20, H(13), S(1), true).onFoundation().empty(1),
        CodeCase("20 one down", 20, H(5), S(4), false).onFoundation(),
        // 21: not the same suit.
        CodeCase("21 same suit", 21, H(5), H(6), false),
        CodeCase("21 other suit", 21, H(5), S(6), true),
        // 23: same suit up, only onto a card and while the waste is empty.
        CodeCase("23 same suit up", 23, H(5), H(6), true),
        CodeCase("23 waste holds a card", 23, H(5), H(6), false).with([](Table& t) { t.waste({C(2)}); }),
        CodeCase("23 empty target", 23, -1, H(1), false),
        // 24: no Queen/King pairs, same suit, then generic.
        CodeCase("24 King on Queen", 24, H(12), H(13), false),
        CodeCase("24 Queen on King building down", 24, H(13), H(12), false).dir(0),
        CodeCase("24 other suit", 24, H(5), S(6), false),
        CodeCase("24 same suit up", 24, H(5), H(6), true),
        CodeCase("24 empty: a heart King by the empty-pile code", 24, -1, H(13), true).empty(13),
        CodeCase("24 empty: the missing top counts as a heart", 24, -1, S(13), false).empty(13),
        CodeCase("24 empty: a Queen against code 13", 24, -1, S(12), false).empty(13),
        // 25: same suit two apart; empty takes anything.
        CodeCase("25 empty", 25, -1, S(9), true).empty(0),
        CodeCase("25 two up", 25, H(5), H(7), true),
        CodeCase("25 two down", 25, H(5), H(3), true).dir(0),
        CodeCase("25 one up", 25, H(5), H(6), false),
        // 26: onto a card of a row holding at most two, one apart.
        CodeCase("26 one down on a short row", 26, H(5), S(4), true).with([](Table& t) { t.row(0, {H(9), H(5)}); }),
        CodeCase("26 row of three", 26, H(5), S(4), false).with([](Table& t) { t.row(0, {H(2), H(9), H(5)}); }),
        CodeCase("26 empty", 26, -1, S(4), false),
        // 27: not from a foundation or reserve, alternate colours.
        CodeCase("27 alternate from the waste", 27, H(5), S(6), true).with([](Table& t) { t.waste({S(6)}); }),
        CodeCase("27 from a foundation", 27, H(5), S(6), false).with([](Table& t) { t.foundation(2, {S(6)}); }),
        CodeCase("27 from reserve 8", 27, H(5), S(6), false).with([](Table& t) { t.reserve(8, {S(6)}); }),
        CodeCase("27 same colour", 27, H(5), D(6), false),
        // 28: same suit one apart; Ace takes only a 2, King only a Queen.
        CodeCase("28 empty", 28, -1, S(9), true).empty(0),
        CodeCase("28 two on Ace", 28, H(1), H(2), true),
        CodeCase("28 King on Ace", 28, H(1), H(13), false).dir(2),
        CodeCase("28 Queen on King", 28, H(13), H(12), true),
        CodeCase("28 one down", 28, H(5), H(4), true),
        CodeCase("28 other suit", 28, H(5), S(4), false),
        // 29: up to King, a second King, then down.
        CodeCase("29 Ace on empty, balance", 29, -1, S(1), true).onFoundation().empty(81),
        CodeCase("29 two on empty, balance", 29, -1, S(2), false).onFoundation().empty(81),
        CodeCase("29 up while short", 29, H(5), H(6), true).onFoundation().with([](Table& t) {
            t.foundation(0, {H(1), H(2), H(3), H(4), H(5)});
        }),
        CodeCase("29 second King after thirteen", 29, H(13), Second(H(13)), true).onFoundation().empty(81).with([](Table& t) {
            t.foundation(0, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13)});
        }),
        CodeCase("29 Queen after thirteen", 29, H(13), Second(H(12)), false).onFoundation().with([](Table& t) {
            t.foundation(0, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13)});
        }),
        CodeCase("29 down after fourteen", 29, Second(H(13)), Second(H(12)), true).onFoundation().with([](Table& t) {
            t.foundation(0, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13),
                             Second(H(13))});
        }),
        // 30: the row's first two cards set the direction.
        CodeCase("30 continues up", 30, H(6), H(7), true).with([](Table& t) { t.row(0, {H(5), H(6)}); }),
        CodeCase("30 turns back down", 30, H(6), Second(H(5)), false).with([](Table& t) { t.row(0, {H(5), H(6)}); }),
        CodeCase("30 continues down", 30, H(5), H(4), true).dir(0).with([](Table& t) { t.row(0, {H(6), H(5)}); }),
        CodeCase("30 one card either way", 30, H(5), H(4), true).with([](Table& t) { t.row(0, {H(5)}); }),
        CodeCase("30 empty row", 30, -1, H(4), false),
        CodeCase("30 Ace on King", 30, H(13), H(1), false).with([](Table& t) { t.row(0, {H(13)}); }),
        // 31, 32: same suit down / up, not onto an Ace / King.
        CodeCase("31 one down", 31, H(5), H(4), true),
        CodeCase("31 one up", 31, H(5), H(6), false),
        CodeCase("31 other suit", 31, H(5), S(4), false).dir(0),
        CodeCase("32 one up", 32, H(5), H(6), true),
        CodeCase("32 Ace on King", 32, H(13), H(1), false),
        CodeCase("32 other suit", 32, H(5), S(6), false),
        // 34: alternate colours down, the empty-pile rule.
        CodeCase("34 alternate down", 34, S(5), H(4), true),
        CodeCase("34 same colour", 34, S(5), C(4), false).dir(0),
        CodeCase("34 up", 34, S(5), H(6), false),
        CodeCase("34 empty King", 34, -1, H(13), true).empty(13),
        CodeCase("34 empty Queen", 34, -1, H(12), false).empty(13),
        // 35: one apart either way, King and Ace meet.
        CodeCase("35 one down", 35, H(5), S(4), true),
        CodeCase("35 King on Ace", 35, H(1), S(13), true),
        CodeCase("35 Ace on King", 35, H(13), S(1), true),
        CodeCase("35 two apart", 35, H(5), S(7), false),
        // 36: down in any suit from the reference rank, foundations in order.
        CodeCase("36 first foundation starts", 36, -1, S(5), true).onFoundation().ref(5).empty(5),
        CodeCase("36 wrong start", 36, -1, S(6), false).onFoundation().ref(5).empty(6),
        CodeCase("36 second before first", 36, -1, S(5), false).onFoundation().at(1).ref(5).empty(5),
        CodeCase("36 second after first", 36, -1, S(5), true).onFoundation().at(1).ref(5).empty(5).with([](Table& t) {
            t.foundation(0, {H(5)});
        }),
        CodeCase("36 one down", 36, H(7), S(6), true).onFoundation(),
        CodeCase("36 King on Ace", 36, H(1), S(13), true).onFoundation(),
        CodeCase("36 one up", 36, H(7), S(8), false).onFoundation(),
        // 37: doubling ranks, Kings at the end.
        CodeCase("37 doubles", 37, H(3), S(6), true).onFoundation(),
        CodeCase("37 doubles past King", 37, H(7), S(1), true).onFoundation(),
        CodeCase("37 one up", 37, H(3), S(4), false).onFoundation(),
        CodeCase("37 King before 48 cards", 37, H(5), S(13), false).onFoundation(),
        CodeCase("37 King after 48 cards", 37, H(5), S(13), true).onFoundation().with([](Table& t) {
            std::string text;
            for (int c = 53; c < 101; ++c) text += cardCode(c);
            t.game.piles.foundations[0] = text;
        }),
        // 38, 48: Kings / Queens head rows, while the waste is empty.
        CodeCase("38 King on empty", 38, -1, S(13), true),
        CodeCase("38 Queen on empty", 38, -1, S(12), false),
        CodeCase("38 any card on a lone King", 38, H(13), S(5), true).with([](Table& t) { t.row(0, {H(13)}); }),
        CodeCase("38 Queen on a lone King", 38, H(13), S(12), false).with([](Table& t) { t.row(0, {H(13)}); }),
        CodeCase("38 waste holds a card", 38, -1, S(13), false).with([](Table& t) { t.waste({H(2)}); }),
        CodeCase("38 sweep sees the empty pile as occupied", 38, -1, S(13), false).sweep(),
        CodeCase("48 Queen on empty", 48, -1, S(12), true),
        CodeCase("48 King on empty", 48, -1, S(13), false),
        CodeCase("48 King on a lone Queen", 48, H(12), S(13), true).with([](Table& t) { t.row(0, {H(12)}); }),
        CodeCase("48 Queen on a lone Queen", 48, H(12), S(12), false).with([](Table& t) { t.row(0, {H(12)}); }),
        // 39, 44: up in any suit without the court cards; empty takes an Ace.
        CodeCase("39 one up", 39, H(5), S(6), true),
        CodeCase("39 Queen", 39, H(11), S(12), false),
        CodeCase("39 empty Ace", 39, -1, S(1), true),
        CodeCase("39 empty two", 39, -1, S(2), false),
        CodeCase("44 Queen", 44, H(11), S(12), true),
        CodeCase("44 King", 44, H(12), S(13), false),
        CodeCase("44 empty two", 44, -1, S(2), false),
        // 40: the rank called by the stock-click counter.
        CodeCase("40 first card called Ace", 40, H(9), S(1), true).with([](Table& t) { t.game.play.stockClicks = 1; t.stock({H(2), H(3)}); }),
        CodeCase("40 not the called rank", 40, H(1), S(2), false).with([](Table& t) { t.game.play.stockClicks = 1; t.stock({H(2), H(3)}); }),
        CodeCase("40 thirteenth card called King", 40, H(5), S(13), true).with([](Table& t) { t.game.play.stockClicks = 13; t.stock({H(2), H(3)}); }),
        CodeCase("40 round again", 40, H(5), S(2), true).with([](Table& t) { t.game.play.stockClicks = 15; t.stock({H(2), H(3)}); }),
        CodeCase("40 last card of stock and waste", 40, H(5), S(9), true).with([](Table& t) { t.game.play.stockClicks = 1; t.waste({S(9)}); }),
        // 41: same suit by twos; a suit starts one foundation per half.
        CodeCase("41 two up", 41, H(5), H(7), true).onFoundation(),
        CodeCase("41 wraps", 41, H(12), H(1), true).onFoundation(),
        CodeCase("41 one up", 41, H(5), H(6), false).onFoundation(),
        CodeCase("41 starts at its base", 41, -1, S(2), true).onFoundation().with([](Table& t) { t.param(36, 2); }),
        CodeCase("41 suit already in this half", 41, -1, S(2), false).onFoundation().with([](Table& t) {
            t.param(36, 2);
            t.foundation(3, {S(1), S(3)});
        }),
        CodeCase("41 suit only in the other half", 41, -1, S(2), true).onFoundation().at(4).with([](Table& t) {
            t.param(40, 2);
            t.foundation(3, {S(1), S(3)});
        }),
        // 42: same suit up; a King waits for the foundation six along.
        CodeCase("42 one up", 42, H(5), H(6), true).onFoundation(),
        CodeCase("42 other suit", 42, H(5), S(6), false).onFoundation(),
        CodeCase("42 King when its partner shows a King", 42, H(12), H(13), true).onFoundation().with([](Table& t) {
            t.foundation(6, {S(12), S(13)});
        }),
        CodeCase("42 King before its partner", 42, H(12), H(13), false).onFoundation().with([](Table& t) { t.foundation(6, {S(12)}); }),
        CodeCase("42 King without a partner foundation", 42, H(12), H(13), false).onFoundation().with([](Table& t) {
            t.param(261, 4);
            t.foundation(6, {S(13)});
        }),
        // 43: same suit two up.
        CodeCase("43 two up", 43, H(5), H(7), true),
        CodeCase("43 one up", 43, H(5), H(6), false),
        CodeCase("43 empty takes the Ace of hearts", 43, -1, H(1), true).empty(0),
        CodeCase("43 empty refuses other Aces", 43, -1, S(1), false).empty(0),
        // 45: Kings on empty rows, any card on a lone card, else down.
        CodeCase("45 King on empty", 45, -1, S(13), true),
        CodeCase("45 Queen on empty", 45, -1, S(12), false),
        CodeCase("45 any card on a lone card", 45, H(5), S(9), true).with([](Table& t) { t.row(0, {H(5)}); }),
        CodeCase("45 one down", 45, H(5), S(4), true).with([](Table& t) { t.row(0, {H(9), H(5)}); }),
        CodeCase("45 one up on a longer row", 45, H(5), S(6), false).with([](Table& t) { t.row(0, {H(9), H(5)}); }),
        CodeCase("45 King on a card", 45, H(5), S(13), false).with([](Table& t) { t.row(0, {H(5)}); }),
        CodeCase("45 waste holds a card", 45, -1, S(13), false).with([](Table& t) { t.waste({H(2)}); }),
        // 46, 49, 51: up without court cards from the base rank.
        CodeCase("46 one up", 46, H(5), S(6), true).onFoundation(),
        CodeCase("46 Queen", 46, H(11), S(12), false).onFoundation(),
        CodeCase("46 base rank", 46, -1, S(3), true).onFoundation().with([](Table& t) { t.param(36, 3); }),
        CodeCase("46 not the base rank", 46, -1, S(4), false).onFoundation().with([](Table& t) { t.param(36, 3); }),
        CodeCase("49 row below empty", 49, -1, S(3), false).onFoundation().with([](Table& t) { t.param(36, 3); }),
        CodeCase("49 row below holds a card", 49, -1, S(3), true).onFoundation().with([](Table& t) {
            t.param(36, 3);
            t.row(0, {H(9)});
        }),
        CodeCase("51 row bottom of the same suit", 51, -1, S(3), true).onFoundation().with([](Table& t) {
            t.param(36, 3);
            t.row(0, {S(9), H(2)});
        }),
        CodeCase("51 row bottom of another suit", 51, -1, S(3), false).onFoundation().with([](Table& t) {
            t.param(36, 3);
            t.row(0, {H(9), S(2)});
        }),
        // 47, 50, 52: down without Queens from the base rank.
        CodeCase("47 one down", 47, H(5), S(4), true).onFoundation(),
        CodeCase("47 King on Ace", 47, H(1), S(13), true).onFoundation(),
        CodeCase("47 Queen", 47, H(13), S(12), false).onFoundation(),
        CodeCase("47 base rank", 47, -1, S(3), true).onFoundation().with([](Table& t) { t.param(36, 3); }),
        CodeCase("50 row eight back empty", 50, -1, S(3), false).onFoundation().at(8).with([](Table& t) { t.param(44, 3); }),
        CodeCase("50 row eight back holds a card", 50, -1, S(3), true).onFoundation().at(8).with([](Table& t) {
            t.param(44, 3);
            t.row(0, {H(9)});
        }),
        CodeCase("50 no row eight back", 50, -1, S(3), true).onFoundation().at(2).with([](Table& t) { t.param(38, 3); }),
        CodeCase("52 row bottom of the same suit", 52, -1, S(3), true).onFoundation().at(8).with([](Table& t) {
            t.param(44, 3);
            t.row(0, {S(9)});
        }),
        CodeCase("52 row bottom of another suit", 52, -1, S(3), false).onFoundation().at(8).with([](Table& t) {
            t.param(44, 3);
            t.row(0, {H(9)});
        }),
        // 53: each foundation waits for a full one before it.
        CodeCase("53 first starts at its base", 53, -1, S(3), true).onFoundation().with([](Table& t) { t.param(36, 3); }),
        CodeCase("53 Ace on King", 53, H(13), S(1), true).onFoundation(),
        CodeCase("53 one down", 53, H(5), S(4), false).onFoundation(),
        CodeCase("53 second after a full first", 53, -1, S(3), true).onFoundation().at(1).with([](Table& t) {
            t.param(37, 3);
            t.foundation(0, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(13)});
        }),
        CodeCase("53 second after a short first", 53, -1, S(3), false).onFoundation().at(1).with([](Table& t) {
            t.param(37, 3);
            t.foundation(0, {H(1), H(2)});
        }),
        // 54: down; reserves 1-7 may not give; base code on empty rows.
        CodeCase("54 one down", 54, H(5), S(4), true),
        CodeCase("54 from reserve 7", 54, H(5), S(4), false).with([](Table& t) { t.reserve(7, {S(4)}); }),
        CodeCase("54 from reserve 8", 54, H(5), S(4), true).with([](Table& t) { t.reserve(8, {S(4)}); }),
        CodeCase("54 King on Ace with the wrap flag", 54, H(1), S(13), true).with([](Table& t) { t.param(178, 1); }),
        CodeCase("54 King on Ace without it", 54, H(1), S(13), false).dir(0),
        CodeCase("54 empty takes the base code", 54, -1, S(13), true).with([](Table& t) { t.param(100, 13); }),
        CodeCase("54 empty refuses another rank", 54, -1, S(12), false).with([](Table& t) { t.param(100, 13); }),
        // 55: same colour up; a waste card must go first.
        CodeCase("55 same colour up", 55, H(5), D(6), true),
        CodeCase("55 other colour", 55, H(5), S(6), false),
        CodeCase("55 waste holds two", 55, H(5), D(6), false).with([](Table& t) { t.waste({C(2), C(3)}); }),
        CodeCase("55 the one waste card", 55, H(5), D(6), true).with([](Table& t) { t.waste({D(6)}); }),
        CodeCase("55 not the waste card", 55, H(5), D(6), false).with([](Table& t) { t.waste({C(2)}); }),
        CodeCase("55 empty, any card with base -1", 55, -1, S(8), true).with([](Table& t) { t.param(100, -1); }).empty(0),
        // 56: pairs by rank.
        CodeCase("56 seven on seven", 56, H(7), S(7), true),
        CodeCase("56 empty", 56, -1, S(7), false),
        CodeCase("56 eight on seven", 56, H(7), S(8), false),
    };
}

TEST(MoveRuleCodes, EachCaseDecidesAsExpected) {
    for (const CodeCase& c : codeCases()) {
        SCOPED_TRACE(c.label);
        Table t;
        if (c.setup) c.setup(t);
        EXPECT_EQ(t.rules.ruleCheck(c.args), c.expected);
    }
}

TEST(MoveRuleCodes, EveryCodeHasAnAcceptedAndARefusedCase) {
    std::map<int, std::pair<bool, bool>> seen;  // code -> accepted seen, refused seen
    for (const CodeCase& c : codeCases()) (c.expected ? seen[c.args.rule].first : seen[c.args.rule].second) = true;
    for (int code : {7, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36,
                     37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56}) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(seen[code].first);
        EXPECT_TRUE(seen[code].second || code == 12);  // 12 refuses only a card onto itself
    }
    EXPECT_TRUE(seen[4].second);
    EXPECT_TRUE(seen[5].second);
}

TEST(MoveRuleCodes, EverySpecialCodeDiffersFromTheGenericRule) {
    std::map<int, bool> differs;
    for (const CodeCase& c : codeCases()) {
        Table t;
        if (c.setup) c.setup(t);
        RuleArgs generic = c.args;
        generic.rule = GenericCode;
        differs[c.args.rule] = differs[c.args.rule] || t.rules.ruleCheck(generic) != c.expected;
    }
    for (int code = 4; code <= 56; ++code) {
        if (code == 6 || code == 8 || code == 9 || code == 10 || code == 13 || code == 22) continue;
        SCOPED_TRACE(code);
        EXPECT_TRUE(differs[code]);
    }
}

}  // namespace
}  // namespace vantrel::test
