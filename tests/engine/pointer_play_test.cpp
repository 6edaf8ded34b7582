// Pointer play through the handlers the window calls: presses that turn or
// pick cards, plain clicks, the empty-stock marker, pair selections, drop
// placement, autoplay order and the end of a family-9 game.
#include <optional>
#include <utility>
#include <vector>

#include "engine/drop_placement.h"
#include "engine/silent_feedback.h"
#include "engine/table_play.h"
#include "execute_support.h"
#include "model/param_ids.h"

namespace vantrel::exec_test {
namespace {

constexpr MouseButton Left = MouseButton::Left;
constexpr PileRef Stock{PileGroup::Stock, StockEntry};
constexpr PileRef Waste{PileGroup::Stock, WasteEntry};
PileRef rowAt(int k) { return {PileGroup::Tableau, k}; }
PileRef foundationAt(int j) { return {PileGroup::Foundation, j}; }
PileRef reserveAt(int n) { return {PileGroup::Reserve, n}; }

TableGeometry fannedDown() {
    TableGeometry g;
    g.steps.downFaceUp = 20;
    g.steps.downFaceDown = 8;
    return g;
}

struct Watcher : SilentFeedback {
    using SilentFeedback::SilentFeedback;
    void gameEnded(bool won) override { ended.push_back(won); }
    void openGameChooser() override { ++choosers; }
    void flyBlock(const CardSpot& to, const FlightFlags&) override { flights.push_back(to.pile); }
    std::vector<bool> ended;
    std::vector<PileRef> flights;
    int choosers = 0;
};

// Every pile placed on a grid, rows fanned down, runs of any length.
struct PlayTable : Table {
    PlayTable() {
        param(param::TableauDisplay, 1);
        param(param::RunSizeMode, -1);
        for (Field f : {field::Sounds_FaceUp, field::Sounds_CardUp, field::Sounds_CardDown, field::Sounds_GameWon})
            game.state.write(f, "Y");
        place(Stock, 10, 10);
        place(Waste, 90, 10);
        for (int j = 0; j < 4; ++j) place(foundationAt(j), 300 + 80 * j, 10);
        for (int k = 0; k < 8; ++k) place(rowAt(k), 10 + 80 * k, 150);
        for (int n = 0; n < 4; ++n) place(reserveAt(n), 10 + 80 * n, 600);
    }
    void place(PileRef p, int x, int y) { game.positions.set(p.group, p.entry, x, y); }
    // Foundation j built up from the Ace in any suit (or from `base`).
    void foundationFrom(int j, int base = 1) {
        param(param::FoundationCapacity, 13);
        param(param::FoundationBase.at(j), base);
        param(param::FoundationDirection.at(j), 1);
        param(param::FoundationRule.at(j), 2);
    }
    // A point on the visible top strip of card `index`.
    std::pair<int, int> on(PileRef p, int index) const {
        const BlockRect r = cardRect(game, watcher.geometry(), p, index);
        return {r.left + 5, r.top + 5};
    }
    void click(PileRef p, int index) {
        const auto [x, y] = on(p, index);
        play.press(Left, x, y);
        play.release(Left, x, y);
    }

    Watcher watcher{fannedDown()};
    bool autoplay = false;
    TablePlay play{game, executor, watcher, watcher, &watcher, &soundPlayer, [this] { return autoplay; }};
};

TEST(PointerPress, AFaceDownTopTurnsUpOnOnePressAndIsPickedByTheNext) {
    PlayTable t;
    t.row(0, {S(9), H(5)});
    t.game.cards.setFace(H(5), '0');
    const auto [x, y] = t.on(rowAt(0), 1);
    t.play.press(Left, x, y);
    EXPECT_TRUE(t.game.cards.faceUp(H(5)));
    EXPECT_EQ(t.play.drag().dragged, 0);
    EXPECT_EQ(t.sounds(), std::vector<std::string>{"Face_up"});
    t.play.release(Left, x, y);
    t.play.press(Left, x, y);
    EXPECT_EQ(t.play.drag().dragged, H(5));
}

TEST(PointerRelease, APlainClickPutsTheCardBackWithTheSoundsOfItsShadow) {
    struct Case {
        const char* shadowed;
        std::vector<std::string> sounds;
    };
    for (const Case& c : {Case{"Y", {"card_up.wav", "card_down.wav"}}, Case{"N", {}}}) {
        SCOPED_TRACE(c.shadowed);
        PlayTable t;
        t.game.state.write(field::Cards_Shadowed, c.shadowed);
        t.foundationFrom(0);
        t.row(0, {H(1)});
        t.place(foundationAt(0), 40, 180);  // under the Ace: a drop there would be taken
        const auto before = t.snapshot();
        t.click(rowAt(0), 0);
        EXPECT_EQ(t.snapshot(), before);
        EXPECT_EQ(t.game.play.moveCounter, 0);
        EXPECT_EQ(t.play.drag().dragged, 0);
        EXPECT_EQ(t.sounds(), c.sounds);
    }
}

TEST(PointerRelease, TheReleaseAfterAStockClickRunsAutoplay) {
    PlayTable t;
    t.param(param::HasStock, 1);
    t.param(param::HasWaste, 1);
    t.param(param::Autoplay, 1);
    t.foundationFrom(0);
    t.stock({H(1)});
    t.autoplay = true;
    const auto [x, y] = t.on(Stock, 0);
    t.play.press(Left, x, y);
    EXPECT_EQ(t.waste(), pileText({H(1)}));
    t.play.release(Left, x, y);
    EXPECT_EQ(t.foundation(0), pileText({H(1)}));
}

TEST(EmptyStockMarker, ArmedByAPressRedealsOnTheReleaseUnlessThePointerLeft) {
    enum Move { None, Inside, Outside };
    struct Case {
        const char* name;
        Move move;
        int passes;
        bool armed, redealt;
    };
    for (const Case& c : {Case{"released on the stock", None, -1, true, true},
                          Case{"moved within the stock", Inside, -1, true, true},
                          Case{"moved off the stock", Outside, -1, true, false},
                          Case{"no pass left", None, 1, false, false}}) {
        SCOPED_TRACE(c.name);
        PlayTable t;
        t.param(param::HasStock, 1);
        t.param(param::HasWaste, 1);
        t.param(param::WasteRedeal, 1);
        t.param(param::StockPasses, c.passes);
        t.waste({C(1), C(2), C(3)});
        const auto [x, y] = t.on(Stock, 0);
        t.play.press(Left, x, y);
        EXPECT_EQ(t.game.play.stockEmptyMarker, c.armed);
        const int mx = c.move == Outside ? x + 200 : x + 10;
        if (c.move != None) t.play.move(mx, y);
        t.play.release(Left, mx, y);
        EXPECT_FALSE(t.game.play.stockEmptyMarker);
        EXPECT_EQ(t.stock(), c.redealt ? pileText({C(3), C(2), C(1)}) : "");
        EXPECT_EQ(t.waste().empty(), c.redealt);
        EXPECT_EQ(t.game.play.stockPass, c.redealt ? 2 : 1);
    }
}

TEST(PairSelection, ThePairThatSumsRightGoesAWrongOneStaysSelected) {
    struct Case {
        const char* name;
        int family, sum, first, second;
        bool discarded;
    };
    for (const Case& c : {Case{"Queen and Ace make 13", 0, 13, H(12), C(1), true},
                          Case{"Queen and Five miss 13", 0, 13, H(12), S(5), false},
                          Case{"family 3 pairs to 14", 3, 0, H(12), D(2), true},
                          Case{"family 3 refuses 13", 3, 0, H(12), C(1), false}}) {
        SCOPED_TRACE(c.name);
        PlayTable t;
        t.param(param::Family, c.family);
        t.param(param::PairSum, c.sum);
        t.row(0, {c.first});
        t.row(1, {c.second});
        t.row(2, {S(9)});
        t.click(rowAt(0), 0);
        t.click(rowAt(1), 0);
        if (c.discarded) {
            EXPECT_EQ(t.secondWaste(), pileText({c.first, c.second}));
            EXPECT_EQ(t.row(0) + t.row(1) + t.foundation(0), "");
            continue;
        }
        EXPECT_EQ(t.row(0) + t.row(1), pileText({c.first, c.second}));
        EXPECT_EQ(t.foundation(0), pileText({c.first, c.second}));
        t.click(rowAt(0), 0);  // a selected card pressed again leaves the selection
        EXPECT_EQ(t.foundation(0), pileText({c.second}));
    }
}

TEST(DropCandidates, LargestAreaThenKindThenIndexFourAtMost) {
    const BlockRect card{200, 200, 271, 296};
    struct Placed {
        DropTarget target;
        int dx, dy;  // its next card place relative to the block
    };
    // Corner overlaps of 11 x 16 pixels; the large one covers 25 x 48.
    const auto corner = [](DropTarget t, int sx, int sy) { return Placed{t, 60 * sx, 80 * sy}; };
    const DropTarget waste{KindWaste, 0}, row3{KindTableau, 3}, row5{KindTableau, 5}, f2{KindFoundation, 2},
        r1{KindReserve, 1};
    struct Case {
        const char* name;
        BlockRect block;
        std::vector<Placed> piles;
        std::vector<DropTarget> expected;
    };
    const std::vector<Case> cases{
        {"equal areas: reserve, foundation, row, waste",
         card,
         {corner(waste, -1, -1), corner(row5, 1, -1), corner(f2, 1, 1), corner(r1, -1, 1)},
         {r1, f2, row5, waste}},
        {"equal areas in one kind: the higher index",
         card,
         {corner({KindFoundation, 0}, -1, -1), corner({KindFoundation, 3}, 1, -1), corner({KindTableau, 0}, 1, 1),
          corner({KindTableau, 7}, -1, 1)},
         {{KindFoundation, 3}, {KindFoundation, 0}, {KindTableau, 7}, {KindTableau, 0}}},
        {"a larger area first, and only four",
         card,
         {corner(waste, -1, -1), corner(row5, 1, -1), corner(f2, 1, 1), corner(r1, -1, 1), {row3, -46, -48}},
         {row3, r1, f2, row5}},
        {"a tall run over a card's middle", {200, 0, 271, 400}, {{row3, 30, 160}}, {row3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlayTable t;
        t.game.positions.markAllUnplaced();
        for (const Placed& p : c.piles) t.place(targetPile(p.target), c.block.left + p.dx, c.block.top + p.dy);
        EXPECT_EQ(dropCandidates(t.game, t.watcher.geometry(), c.block), c.expected);
    }
}

TEST(PlaceDroppedBlock, BeforeTheFirstMoveOnlyARowCardGoesAndOnlyToAFoundation) {
    struct Case {
        const char* name;
        int gate, moves;
        bool fromWaste;
        std::optional<PileRef> lands;
    };
    for (const Case& c : {Case{"a row card goes home though the row overlaps more", 1, 0, false, foundationAt(0)},
                          Case{"a waste card stays", 1, 0, true, std::nullopt},
                          Case{"after a move the larger overlap wins", 1, 1, false, rowAt(1)},
                          Case{"without the gate too", 0, 0, true, rowAt(1)}}) {
        SCOPED_TRACE(c.name);
        PlayTable t;
        t.param(param::FirstMoveToFoundation, c.gate);
        t.param(param::TableauBase.at(1), -1);
        t.foundationFrom(0);
        t.game.play.moveCounter = c.moves;
        c.fromWaste ? t.waste({H(1)}) : t.row(0, {H(1)});
        const BlockRect block{200, 200, 271, 296};
        t.place(rowAt(1), 210, 210);         // overlaps 61 x 86
        t.place(foundationAt(0), 250, 250);  // overlaps 21 x 46
        const auto before = t.snapshot();
        EXPECT_EQ(t.play.PlaceDroppedBlock(H(1), block, std::nullopt, false, true), c.lands.has_value());
        // A pile the gate refuses is not flown to either.
        EXPECT_EQ(t.watcher.flights, c.lands ? std::vector{*c.lands} : std::vector<PileRef>{});
        if (c.lands)
            EXPECT_EQ(t.game.piles.pile(*c.lands), pileText({H(1)}));
        else
            EXPECT_EQ(t.snapshot(), before);
    }
}

TEST(AutoplayOrder, ReservesUntilNoneMovesThenWasteThenRowsLowestFoundationFirst) {
    using Piles = std::vector<std::vector<int>>;
    struct Case {
        const char* name;
        std::vector<int> bases;  // one per foundation in use
        Piles rows, reserves;
        std::vector<int> waste;
        Piles foundations;
    };
    const std::vector<Case> cases{
        {"two foundations accept: the lower number", {13, 1, 1}, {{H(1)}}, {}, {}, {{}, {H(1)}, {}}},
        {"reserve passes repeat before the rows", {1}, {{S(2)}}, {{C(2)}, {H(1)}}, {}, {{H(1), C(2)}}},
        {"the row pass stops at its first move", {1}, {{H(1)}, {S(2)}}, {{C(2)}}, {}, {{H(1), C(2)}}},
        {"the waste before the rows", {1}, {{S(2)}}, {{H(1)}}, {C(2)}, {{H(1), C(2)}}},
        {"an open base rank is left to the player", {92}, {{H(1)}}, {}, {}, {{}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlayTable t;
        t.param(param::Foundations, static_cast<int>(c.bases.size()));
        for (size_t j = 0; j < c.bases.size(); ++j) t.foundationFrom(static_cast<int>(j), c.bases[j]);
        for (size_t k = 0; k < c.rows.size(); ++k)
            for (int card : c.rows[k]) t.row(static_cast<int>(k)) += cardCode(card);
        for (size_t n = 0; n < c.reserves.size(); ++n)
            for (int card : c.reserves[n]) t.reserve(static_cast<int>(n) + 1) += cardCode(card);
        for (int card : c.waste) t.waste() += cardCode(card);
        t.autoplay = true;
        t.play.AutoplaySequence();
        for (size_t j = 0; j < c.foundations.size(); ++j) {
            std::string expected;
            for (int card : c.foundations[j]) expected += cardCode(card);
            EXPECT_EQ(t.foundation(static_cast<int>(j)), expected) << "foundation " << j + 1;
        }
    }
}

TEST(EndGame, FamilyNineCountsAWinOnlyFromOneHundredPoints) {
    struct Case {
        const char* score;
        bool won;
        std::vector<std::string> sounds;
    };
    for (const Case& c : {Case{"99", false, {}}, Case{"100", true, {"Won"}}}) {
        SCOPED_TRACE(c.score);
        PlayTable t;
        t.param(param::Family, 9);
        t.game.state.write(field::Score, c.score);
        t.game.won = true;  // every row holds a card
        t.play.EndGame();
        EXPECT_EQ(t.watcher.ended, std::vector<bool>{c.won});
        EXPECT_EQ(t.sounds(), c.sounds);
        EXPECT_EQ(t.watcher.choosers, c.won ? 1 : 0);
        EXPECT_FALSE(t.game.inProgress);
    }
}

}  // namespace
}  // namespace vantrel::exec_test
