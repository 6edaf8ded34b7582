#include <gtest/gtest.h>

#include "model/card_place.h"
#include "model/card_table.h"
#include "model/cards.h"
#include "model/game_params.h"
#include "model/pile_positions.h"
#include "model/piles.h"

using namespace vantrel;

TEST(Cards, Arithmetic) {
    struct Case {
        int card, suit, rank;
        bool red, face;
    } cases[] = {
        {1, 0, 1, true, false},    {13, 0, 13, true, true},   {14, 1, 1, true, false},
        {26, 1, 13, true, true},   {27, 2, 1, false, false},  {39, 2, 13, false, true},
        {40, 3, 1, false, false},  {52, 3, 13, false, true},  {53, 0, 1, true, false},
        {78, 1, 13, true, true},   {79, 2, 1, false, false},  {102, 3, 11, false, true},
        {104, 3, 13, false, true}, {105, -1, -1, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(suitOf(c.card), c.suit) << c.card;
        EXPECT_EQ(rankOf(c.card), c.rank) << c.card;
        EXPECT_EQ(isRed(c.card), c.red) << c.card;
        EXPECT_EQ(isFaceCard(c.card), c.face) << c.card;
    }
    EXPECT_EQ(suitOf(0), SuitHearts);
    EXPECT_EQ(nextRank(13), 1);
    EXPECT_EQ(nextRank(5), 6);
    EXPECT_EQ(previousRank(1), 13);
    EXPECT_EQ(previousRank(9), 8);
    EXPECT_EQ(cardCode(7), "007");
    EXPECT_EQ(cardCode(104), "104");
    EXPECT_EQ(codeValue("039"), 39);
    EXPECT_EQ(codeValue("3a9"), -1);
    EXPECT_EQ(codeValue("39"), -1);
}

TEST(CardTable, RecordsAreTwentyCharacters) {
    CardTable t;
    EXPECT_EQ(t.record(1), "CUORI_A        10011");
    EXPECT_EQ(t.record(53), "CUORI_A        10531");
    EXPECT_EQ(t.record(104), "PICCH_K        41041");
    EXPECT_EQ(t.record(23), "QUADR_10       20231");
    EXPECT_EQ(t.record(37), "FIORI_J        30371");
    for (int c = 1; c <= 104; ++c) ASSERT_EQ(t.record(c).size(), 20u);
    t.setFace(37, '0');
    EXPECT_EQ(t.record(37), "FIORI_J        30370");
    EXPECT_FALSE(t.faceUp(37));
    t.setFace(0, '0');    // no card: ignored
    t.setFace(105, '0');  // outside: ignored
    EXPECT_EQ(t.record(105), "");
}

TEST(Piles, FaceDigitModes) {
    CardTable t;
    const std::string pile = "001002003004005";
    auto faces = [&] {
        std::string s;
        for (int c = 1; c <= 5; ++c) s += t.faceDigit(c);
        return s;
    };
    setFaceDigits(t, pile, -1, '1');
    EXPECT_EQ(faces(), "10101");
    setFaceDigits(t, pile, -2, '1');
    EXPECT_EQ(faces(), "01010");
    setFaceDigits(t, pile, -3, '1');
    EXPECT_EQ(faces(), "10000");
    setFaceDigits(t, pile, 2, '1');
    EXPECT_EQ(faces(), "10011");
    setFaceDigits(t, pile, 9, '0');
    EXPECT_EQ(faces(), "00000");
    setFaceDigits(t, pile, 0, '1');
    setFaceDigits(t, pile, -7, '1');
    EXPECT_EQ(faces(), "00000");
}

TEST(Piles, FindCardModes) {
    std::string p = "001014027";
    EXPECT_TRUE(findCardInPile(p, 14, 0));
    EXPECT_EQ(p, "001014027");
    EXPECT_TRUE(findCardInPile(p, 14, 2));
    EXPECT_EQ(p, "001000027");
    EXPECT_TRUE(findCardInPile(p, 27, 3));
    EXPECT_EQ(p, "001");
    p = "000027";  // removing the bottom card looks at the first position
    EXPECT_TRUE(findCardInPile(p, 27, 3));
    EXPECT_EQ(p, "");
    p = "001014";
    EXPECT_TRUE(findCardInPile(p, 1, 1));
    EXPECT_EQ(p, "014");
    EXPECT_FALSE(findCardInPile(p, 1, 1));
    p = "010140";  // codes are matched on three-character boundaries only
    EXPECT_FALSE(findCardInPile(p, 101, 1));
    EXPECT_EQ(p, "010140");
}

TEST(Piles, LocateSearchesInOrderAndRowsInUseOnly) {
    Piles piles;
    GameParams params;
    params.set(262, 2);
    piles.stock[WasteEntry] = "005";
    piles.tableau[0] = "007";
    piles.tableau[2] = "009";  // beyond the rows in use
    piles.foundations[15] = "011";
    piles.stock[StockEntry] = "012";
    piles.stock[SecondWasteEntry] = "013";
    piles.reserves[7] = "014";
    EXPECT_EQ(locateCard(piles, params, 5, 0), KindWaste);
    EXPECT_EQ(locateCard(piles, params, 7, 0), KindTableau);
    EXPECT_EQ(locateCard(piles, params, 9, 0), KindNowhere);
    EXPECT_EQ(locateCard(piles, params, 11, 0), KindFoundation);
    EXPECT_EQ(locateCard(piles, params, 12, 0), KindStock);
    EXPECT_EQ(locateCard(piles, params, 13, 0), KindSecondWaste);
    EXPECT_EQ(locateCard(piles, params, 14, 2), KindReserve);
    EXPECT_EQ(piles.reserves[7], "000");
    EXPECT_EQ(locateCard(piles, params, 40, 1), KindNowhere);
    EXPECT_EQ(locateCard(piles, params, 7, 1), KindTableau);
    EXPECT_EQ(piles.tableau[0], "");
}

// Pair games list selected cards again in the first foundation: a row or
// the waste is found before it, the stock after it.
TEST(Piles, FindCardListedTwice) {
    Piles piles;
    GameParams params;
    params.set(262, 2);
    piles.tableau[1] = "021007";
    piles.stock[StockEntry] = "030";
    piles.foundations[0] = "007030";
    const auto inRow = findCard(piles, params, 7);
    ASSERT_TRUE(inRow);
    EXPECT_EQ(inRow->pile, (PileRef{PileGroup::Tableau, 1}));
    EXPECT_EQ(inRow->index, 1);
    EXPECT_EQ(findCard(piles, params, 30)->pile, (PileRef{PileGroup::Foundation, 0}));
    EXPECT_EQ(findCard(piles, params, 30, PileRef{PileGroup::Foundation, 0})->pile,
              (PileRef{PileGroup::Stock, StockEntry}));
}

TEST(Piles, AppendTopAndCounts) {
    Piles piles;
    CardTable t;
    appendCard(piles, t, PileGroup::Tableau, 3, 40, '0');
    appendCard(piles, t, PileGroup::Tableau, 3, 0, '0');  // a gap records no face
    appendCard(piles, t, PileGroup::Tableau, 3, 2);
    EXPECT_EQ(piles.tableau[3], "040000002");
    EXPECT_FALSE(t.faceUp(40));
    EXPECT_TRUE(t.faceUp(2));
    EXPECT_EQ(cardCount(piles.tableau[3]), 3);
    EXPECT_EQ(topCard(piles.tableau[3]), 2);
    EXPECT_EQ(bottomCard(piles.tableau[3]), 40);
    EXPECT_EQ(cardAt(piles.tableau[3], 1), 0);
    EXPECT_EQ(topCard(""), -1);
    EXPECT_EQ(topCard("01"), -1);
    EXPECT_THROW(piles.pile(PileGroup::Reserve, 8), std::out_of_range);
}

TEST(Piles, FirstFreeSlot) {
    const std::vector<int> list{5, 0, 7, 8, 0, 9};
    EXPECT_EQ(firstFreeSlot(list, 2, true), 4);
    EXPECT_EQ(firstFreeSlot(list, 3, false), 1);
    EXPECT_EQ(firstFreeSlot(list, 5, true), 1);  // nothing ahead: from the start
    EXPECT_EQ(firstFreeSlot(list, 0, false), 1);
    EXPECT_EQ(firstFreeSlot({1, 2, 3}, 1, true), -1);
    EXPECT_EQ(firstFreeSlot({}, 0, false), -1);
}

TEST(Piles, NameParserAndNames) {
    struct Case {
        const char* name;
        PileGroup group;
        int entry;
    } good[] = {
        {"Mazzo", PileGroup::Stock, 0},       {"Mazzo_Vis", PileGroup::Stock, 1},
        {"Mazzo_Waste", PileGroup::Stock, 2}, {"Dest1", PileGroup::Foundation, 0},
        {"Dest16", PileGroup::Foundation, 15}, {"Fila26", PileGroup::Tableau, 25},
        {"Appogg8", PileGroup::Reserve, 7},
    };
    for (const Case& c : good) {
        const auto ref = parsePileName(c.name);
        ASSERT_TRUE(ref) << c.name;
        EXPECT_EQ(ref->group, c.group);
        EXPECT_EQ(ref->entry, c.entry);
        EXPECT_EQ(pileName(*ref), c.name);
    }
    for (const char* bad : {"Dest0", "Dest17", "Fila27", "Appogg9", "Fila", "Stock", "", "DestX", "Appogg-1"})
        EXPECT_FALSE(parsePileName(bad)) << bad;
}

TEST(PilePositions, UnplacedMarksAndScroll) {
    PilePositions pos;
    EXPECT_FALSE(pos.placed(PileGroup::Tableau, 0));
    EXPECT_EQ(pos.x(PileGroup::Reserve, 2), UnplacedReserve);
    EXPECT_EQ(pos.y(PileGroup::Stock, 1), UnplacedStock);
    pos.set(PileGroup::Tableau, 0, 90, 130);
    pos.scrollOffset = 30;
    EXPECT_TRUE(pos.placed(PileGroup::Tableau, 0));
    EXPECT_EQ(pos.x(PileGroup::Tableau, 0), 90);
    EXPECT_EQ(pos.y(PileGroup::Tableau, 0), 100);
    EXPECT_EQ(pos.rawY(PileGroup::Tableau, 0), 130);
    pos.markAllUnplaced();
    EXPECT_EQ(pos.x(PileGroup::Foundation, 15), UnplacedFoundation);
}
