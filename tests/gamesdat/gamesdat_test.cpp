// The data compiler: readable sources in, GAMES.DAT out, read back by the
// program's own reader.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game_source.h"
#include "model/games_file.h"

using namespace gamesdat;

namespace {

const char* const MinimalGame = R"(number = 5
type = 7
name = Test Patience
deck_size = 52
foundations = 4
tableau_rows = 4
tableau_deal[1..4] = 13
foundation_base[1..4] = 1
tableau_rule[2] = 3   # trailing comment
param[262] = 4
)";

GameSource parseOk(const std::string& text) {
    GameSource g;
    std::vector<std::string> errors;
    EXPECT_TRUE(parseGameSource(text, "t.game", g, errors));
    EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front());
    return g;
}

std::vector<std::string> problemsOf(const std::string& text) {
    GameSource g;
    std::vector<std::string> errors, warnings;
    if (parseGameSource(text, "t.game", g, errors)) checkGame(g, errors, warnings);
    return errors;
}

}  // namespace

TEST(GameSource, NamesRangesListsAndPlainNumbers) {
    const GameSource g = parseOk(MinimalGame);
    EXPECT_EQ(g.number, 5);
    EXPECT_EQ(g.typeCode, 7);
    EXPECT_EQ(g.name, "Test Patience");
    EXPECT_EQ(g.values.at(265), 52);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(g.values.at(268 + k), 13);
    EXPECT_EQ(g.values.at(36), 1);
    EXPECT_EQ(g.values.at(39), 1);
    EXPECT_EQ(g.values.count(40), 0u);
    EXPECT_EQ(g.values.at(153), 3);  // tableau_rule[2] is parameter 153
    const GameSource lists = parseOk("number=1\nname=x\ntableau_deal[1..3] = 1, 2 ,3\n262 = 9\n");
    EXPECT_EQ(lists.values.at(268), 1);
    EXPECT_EQ(lists.values.at(270), 3);
    EXPECT_EQ(lists.values.at(262), 9);
}

TEST(GameSource, RefusesWithFileLineAndReason) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"number=1\nname=x\nfoundatoins = 4\n", "t.game:3: unknown parameter name 'foundatoins'"},
        {"number=1\nname=x\nfoundations = 40000\n", "t.game:3: value 40000 does not fit in 16 bits"},
        {"number=1\nname=x\nfoundations = -32769\n", "does not fit in 16 bits"},
        {"number=1\nname=x\nfoundations = four\n", "t.game:3: 'four' is not an integer"},
        {"number=1\nname=x\ntableau_deal[0..3] = 1\n", "outside 1..26"},
        {"number=1\nname=x\ntableau_deal[1..3] = 1,2\n", "2 values for 3 parameters"},
        {"number=1\nname=x\ntableau_deal = 1\n", "needs an index"},
        {"number=1\nname=x\n346 = 1\n", "outside 0-345"},
        {"name=x\n", "no game number"},
        {"number=1\n", "no game name"},
        {"number=1\nname=x\njust words\n", "t.game:3: expected 'name = value'"},
    };
    for (const Case& c : cases) {
        const auto errors = problemsOf(c.text);
        ASSERT_FALSE(errors.empty()) << c.text;
        EXPECT_NE(errors.front().find(c.expected), std::string::npos) << errors.front();
    }
}

TEST(GameSource, CheckRefusesGamesThatCannotBeDealt) {
    const std::string head = "number=1\nname=x\n";
    struct Case {
        std::string body;
        const char* expected;
    } cases[] = {
        {"deck_size=52\nfoundations=17\ntableau_deal[1]=52\n", "17 foundations (at most 16)"},
        {"deck_size=52\ntableau_rows=27\ntableau_deal[1]=52\n", "27 tableau rows (at most 26)"},
        {"deck_size=52\nreserves=9\ntableau_deal[1]=52\n", "9 reserves (at most 8)"},
        {"deck_size=48\ntableau_deal[1]=48\n", "deck size 48 (must be 52 or 104)"},
        {"deck_size=52\ntableau_deal[1..8]=7\n", "the deal places 56 cards but the deck holds 52"},
        {"deck_size=52\nspecial_deal=2\ntableau_deal[1]=5\nstock_cards=20\n", "no cards may be dealt to the rows"},
    };
    for (const Case& c : cases) {
        const auto errors = problemsOf(head + c.body);
        ASSERT_FALSE(errors.empty()) << c.body;
        EXPECT_NE(errors.front().find(c.expected), std::string::npos) << errors.front();
    }
    // Start cards, the second waste's start card, parameters 1 and 10 and
    // rows above 1000 (one card of a rank) all count.
    EXPECT_TRUE(problemsOf(head +
                           "deck_size=52\nfoundations=2\nfoundation_row=1\nfoundation_arrangement=2\n"
                           "foundation_start[1..2]=93\nsecond_waste_start=5\n"
                           "deal_to_first_foundation=1\ntableau_deal[1]=1013\ntableau_deal[2]=47\n")
                    .empty());
    EXPECT_TRUE(problemsOf(head + "deck_size=52\nspecial_deal=4\nstock_cards=10\n").empty());
}

TEST(GamesDatWriter, RoundTripsThroughTheProgramsReader) {
    GameSource a = parseOk(MinimalGame);
    GameSource b = parseOk("number = 2\ntype = 12\nname = Another One\nfoundations = -3\ntableau_rule[1] = 32767\n");
    const std::string text = writeGamesDat({a, b});

    vantrel::GamesFile file;
    file.parse(text);
    const auto list = file.LoadGameList();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].number, 2);  // written in game-number order
    EXPECT_EQ(list[0].typeCode, 12);
    EXPECT_EQ(list[0].name, "Another One");
    EXPECT_EQ(list[1].name, "Test Patience");
    EXPECT_EQ(vantrel::gameNameByNumber(list, 5), "Test Patience");

    for (const GameSource* g : {&a, &b}) {
        vantrel::GameParams params;
        std::string error;
        ASSERT_TRUE(file.LoadGameParameters(g->number, params, error)) << error;
        for (int n = 0; n < vantrel::GameParams::Count; ++n) {
            const auto it = g->values.find(n);
            EXPECT_EQ(params[n], it == g->values.end() ? 0 : it->second) << "parameter " << n;
        }
    }
}

TEST(GamesDatWriter, BuildProducesTheShippedGames) {
    vantrel::GamesFile file;
    std::string error;
    ASSERT_TRUE(file.load(VANTREL_GAMES_DAT, error)) << error;
    const auto list = file.LoadGameList();
    EXPECT_EQ(vantrel::gameNameByNumber(list, 1), "FreeCell");
    EXPECT_EQ(vantrel::gameNameByNumber(list, 2), "Klondike");
    EXPECT_EQ(vantrel::gameNameByNumber(list, 3), "Spider");
    struct Expect {
        int game, deck, foundations, rows, reserves;
    } games[] = {{1, 52, 4, 8, 4}, {2, 52, 4, 7, 0}, {3, 104, 8, 10, 0}};
    for (const auto& e : games) {
        vantrel::GameParams p;
        ASSERT_TRUE(file.LoadGameParameters(e.game, p, error)) << error;
        EXPECT_EQ(p[265], e.deck);
        EXPECT_EQ(p[261], e.foundations);
        EXPECT_EQ(p[262], e.rows);
        EXPECT_EQ(p[263], e.reserves);
    }
}

TEST(GameSource, WarnsAboutLayoutsThatOnlyWorkByAccident) {
    GameSource g = parseOk("number=1\nname=x\ndeck_size=52\ntableau_rows=1\ntableau_deal[1]=52\n"
                           "tableau_arrangement=14\ntableau_row=2\n");
    std::vector<std::string> errors, warnings;
    checkGame(g, errors, warnings);
    EXPECT_TRUE(errors.empty());
    ASSERT_FALSE(warnings.empty());
    EXPECT_EQ(warnings.front().rfind("t.game: ", 0), 0u) << warnings.front();
}

TEST(GameSource, RulesBlockAndWinnableDeal) {
    const GameSource g = parseOk("number=1\nname=x\nwinnable_deal = 0012345678901  # known good\nwinnable_seconds = 40\nfoundations=4\n"
                                 "[rules]\n\n  Build # down.\nIn suit.   \n\n\nA = B, not a parameter.\n\n");
    EXPECT_EQ(g.winnableDeal, "0012345678901");
    EXPECT_EQ(g.winnableSeconds, 40);
    EXPECT_EQ(g.rules, "  Build # down.\nIn suit.\n\nA = B, not a parameter.");
    EXPECT_EQ(ruleParagraphs(g.rules), (std::vector<std::string>{"Build # down. In suit.", "A = B, not a parameter."}));
    EXPECT_EQ(g.values.count(261), 1u);
    // The deal is not a parameter: nothing of it reaches the data file.
    EXPECT_EQ(writeGamesDat({g}), writeGamesDat({parseOk("number=1\nname=x\nfoundations=4\n")}));

    for (const char* bad : {"number=1\nname=x\nwinnable_deal = 123\n", "number=1\nname=x\nwinnable_deal = 12345678901x3\n",
                            "number=1\nname=x\nwinnable_seconds = 0\n",
                            "number=1\nname=x\n[rules]\nok\nbad\x01here\n",
                            "number=1\nname=x\n[rules]\nok\nwinnable_deal = 0012345678901\n"}) {
        const auto errors = problemsOf(bad);
        ASSERT_FALSE(errors.empty()) << bad;
        EXPECT_EQ(errors.front().rfind("t.game:", 0), 0u) << errors.front();
    }
    EXPECT_NE(problemsOf("number=1\nname=x\n[rules]\nok\nbad\x01here\n").front().find("t.game:5:"), std::string::npos);
}

TEST(GameSource, CatalogueRefusesRepeatedNumbersAndNames) {
    auto game = [](int number, const char* name, const char* file) {
        GameSource g;
        g.number = number;
        g.name = name;
        g.file = file;
        return g;
    };
    std::vector<std::string> errors;
    checkCatalogue({game(1, "FreeCell", "a"), game(2, "Klondike", "b"), game(3, "Spider", "c")}, errors);
    EXPECT_TRUE(errors.empty());
    checkCatalogue({game(1, "FreeCell", "a"), game(1, "Other", "b"), game(2, "freecell", "c")}, errors);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "b: game number 1 is already used by a");
    EXPECT_EQ(errors[1], "c: game name 'freecell' is already used by a");
}

TEST(GameSource, RefusesPlacementsThatPlaceNothing) {
    const std::string head = "number=1\nname=x\ndeck_size=52\ntableau_rows=1\ntableau_deal[1]=52\n";
    struct Case {
        std::string body;
        const char* expected;  // empty: accepted
    } cases[] = {
        {"tableau_row=2\ntableau_arrangement=1\n", ""},
        {"tableau_row=2\ntableau_arrangement=99\n", "t.game:7: arrangement 99 places nothing for the rows"},
        {"tableau_arrangement=10\ntableau_table_rows=1\n", ""},  // fans choose their own rows
        {"tableau_row=2\ntableau_arrangement=1\nfoundations=4\nfoundation_row=1\nfoundation_arrangement=4\n",
         "arrangement 4 places nothing for the foundations"},
        {"tableau_row=2\ntableau_arrangement=1\nhas_waste=1\n", "arrangement 0 places nothing for the stock group"},
        {"tableau_arrangement=52\nhas_stock=1\nfoundations=4\n", ""},  // the cross places both
        {"tableau_row=2\ntableau_arrangement=1\nreserves=1\nreserve_row=1\nreserve_arrangement=9\n",
         "places nothing for the reserves"},
        {"tableau_arrangement=54\nsecond_waste=1\n", ""},
        {"tableau_row=2\ntableau_arrangement=1\nsecond_waste=1\nsecond_waste_row=4\nsecond_waste_arrangement=2\n",
         "places nothing for the second waste"},
        {"tableau_row=2\ntableau_arrangement=1\nspecial_deal=5\n", "special deal mode 5 is not one of 0-4"},
    };
    for (const Case& c : cases) {
        const auto errors = problemsOf(head + c.body);
        if (*c.expected == 0) {
            EXPECT_TRUE(errors.empty()) << c.body << (errors.empty() ? "" : errors.front());
            continue;
        }
        ASSERT_FALSE(errors.empty()) << c.body;
        EXPECT_NE(errors.front().find(c.expected), std::string::npos) << errors.front();
    }
    // A row digit with no row of its own is laid out in row 1: a warning.
    for (const char* row : {"0", "7", "8"}) {
        GameSource g = parseOk(head + "tableau_row=" + row + "\ntableau_arrangement=1\n");
        std::vector<std::string> errors, warnings;
        checkGame(g, errors, warnings);
        EXPECT_TRUE(errors.empty()) << row;
        ASSERT_EQ(warnings.size(), 1u) << row;
        EXPECT_EQ(warnings.front(), std::string("t.game:6: row ") + row + " of the rows is no row of the table: row 1 is used");
    }
}
