// Runs build/solitaire-deal on the shipped games and checks the printed
// tables for the properties every deal must have.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "deal_printer.h"
#include "model/game.h"

namespace {

struct RunResult {
    int status = -1;
    std::string out;
};

RunResult run(const std::string& args) {
    const std::string command = std::string(SOLITAIRE_DEAL) + " " + args + " 2>/dev/null";
    RunResult r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    std::array<char, 4096> buf{};
    size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

std::string deal(int game, const std::string& number, const std::string& extra = "") {
    return "--games " + std::string(VANTREL_GAMES_DAT) + " --game " + std::to_string(game) + " --deal " + number +
           extra;
}

struct PileLine {
    std::string cards;  // "" for "-"
    std::string faces;
};

struct Table {
    std::string deck;
    std::vector<std::string> order;
    std::map<std::string, PileLine> piles;
    std::vector<int> base;
    std::string score;
    std::vector<std::string> rules;
};

Table parse(const std::string& text) {
    Table t;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string head;
        words >> head;
        if (head == "deck") {
            words >> t.deck;
        } else if (head == "base") {
            for (int v; words >> v;) t.base.push_back(v);
        } else if (head == "score") {
            words >> t.score;
        } else if (head == "rule") {
            t.rules.push_back(line);
        } else {
            PileLine p;
            words >> p.cards >> p.faces;
            if (p.cards == "-") p.cards.clear();
            if (p.faces == "-") p.faces.clear();
            t.order.push_back(head);
            t.piles[head] = p;
        }
    }
    return t;
}

std::map<int, int> cardCounts(const std::string& codes) {
    std::map<int, int> counts;
    for (size_t i = 0; i + 3 <= codes.size(); i += 3) ++counts[std::stoi(codes.substr(i, 3))];
    return counts;
}

std::map<int, int> tableCounts(const Table& t) {
    std::string all;
    for (const auto& [name, pile] : t.piles) all += pile.cards;
    return cardCounts(all);
}

void expectEveryCardOnce(const std::map<int, int>& counts, int deckSize) {
    ASSERT_EQ(counts.size(), static_cast<size_t>(deckSize));
    for (int c = 1; c <= deckSize; ++c) EXPECT_EQ(counts.count(c) ? counts.at(c) : 0, 1) << "card " << c;
}

int cards(const Table& t, const std::string& pile) { return static_cast<int>(t.piles.at(pile).cards.size() / 3); }

class ShippedGames : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::ifstream(VANTREL_GAMES_DAT)) GTEST_SKIP() << "GAMES.DAT has not been built";
    }
};

TEST_F(ShippedGames, FreeCellDealsAllCardsFaceUpToEightRows) {
    const RunResult r = run(deal(1, "1234567890123"));
    ASSERT_EQ(r.status, 0);
    const Table t = parse(r.out);
    expectEveryCardOnce(cardCounts(t.deck), 52);
    expectEveryCardOnce(tableCounts(t), 52);
    const std::vector<std::string> order{"Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest1", "Dest2", "Dest3", "Dest4",
                                         "Fila1", "Fila2", "Fila3", "Fila4", "Fila5", "Fila6", "Fila7", "Fila8",
                                         "Appogg1", "Appogg2", "Appogg3", "Appogg4"};
    EXPECT_EQ(t.order, order);
    const int rows[] = {7, 7, 7, 7, 6, 6, 6, 6};
    for (int k = 0; k < 8; ++k) {
        const PileLine& p = t.piles.at("Fila" + std::to_string(k + 1));
        EXPECT_EQ(p.cards.size() / 3, static_cast<size_t>(rows[k]));
        EXPECT_EQ(p.faces, std::string(static_cast<size_t>(rows[k]), '1'));
    }
    // The rows take the deck list in order, row after row.
    std::string rowsInOrder;
    for (int k = 1; k <= 8; ++k) rowsInOrder += t.piles.at("Fila" + std::to_string(k)).cards;
    EXPECT_EQ(rowsInOrder, t.deck);
    EXPECT_EQ(t.base.size(), 16u);
    EXPECT_EQ(t.score, "-52");
}

TEST_F(ShippedGames, KlondikeStockFaceDownRowsShowTheirTopCard) {
    const Table t = parse(run(deal(2, "0000000000000")).out);
    expectEveryCardOnce(tableCounts(t), 52);
    EXPECT_EQ(t.piles.at("Mazzo").faces, std::string(24, '0'));
    EXPECT_TRUE(t.piles.at("Mazzo_Vis").cards.empty());
    for (int k = 1; k <= 7; ++k) {
        const PileLine& p = t.piles.at("Fila" + std::to_string(k));
        EXPECT_EQ(p.faces, std::string(static_cast<size_t>(k - 1), '0') + "1") << "row " << k;
    }
    EXPECT_EQ(t.order.back(), "Fila7");  // no reserves
}

TEST_F(ShippedGames, SpiderUsesBothDecks) {
    const Table t = parse(run(deal(3, "9876543210987")).out);
    expectEveryCardOnce(cardCounts(t.deck), 104);
    expectEveryCardOnce(tableCounts(t), 104);
    EXPECT_EQ(cards(t, "Mazzo"), 50);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(cards(t, "Fila" + std::to_string(k)), k <= 4 ? 6 : 5);
    EXPECT_TRUE(t.piles.count("Dest8"));
    EXPECT_EQ(t.score, "-104");
}

TEST_F(ShippedGames, OnlyTheLastThirteenDigitsCount) {
    const std::string reference = run(deal(1, "0000004567890")).out;
    ASSERT_FALSE(reference.empty());
    EXPECT_EQ(run(deal(1, "4567890")).out, reference);
    EXPECT_EQ(run(deal(1, "99990000004567890")).out, reference);
    EXPECT_NE(run(deal(1, "0000004567891")).out, reference);
    // Same number, another game: the same card order in another layout.
    EXPECT_EQ(parse(run(deal(2, "4567890")).out).deck, parse(reference).deck);
}

TEST_F(ShippedGames, RulesListEveryTopCardAgainstEveryPileInUse) {
    const Table t = parse(run(deal(1, "0000000000042", " --rules")).out);
    // Eight row tops against 4 foundations, 8 rows and 4 cells.
    ASSERT_EQ(t.rules.size(), 8u * 16u);
    for (const std::string& line : t.rules) {
        std::istringstream words(line);
        std::string rule, code, pile;
        int allowed = -1;
        words >> rule >> code >> pile >> allowed;
        const int card = std::stoi(code);
        const bool ace = (card - 1) % 13 == 0;
        if (pile.starts_with("Dest")) {
            EXPECT_EQ(allowed, ace ? 1 : 0) << line;  // empty foundations take Aces
        } else if (pile.starts_with("Appogg")) {
            EXPECT_EQ(allowed, 1) << line;  // empty free cells take anything
        }
    }
}

TEST_F(ShippedGames, LayoutPrintsPositionsFanRoomAndEveryCard) {
    const RunResult r = run(deal(1, "0000000000042",
                                 " --layout width=784,height=560,top=33,bottom=514,screen=800x600,winh=560,"
                                 "shadow=9,card=B"));
    ASSERT_EQ(r.status, 0);
    std::map<std::string, std::pair<int, int>> pos;
    std::vector<std::string> posOrder;
    int fanLines = 0;
    int cardLines = 0;
    std::map<std::string, int> lastY;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string head, pile;
        words >> head;
        if (head == "pos") {
            int x = 0, y = 0;
            words >> pile >> x >> y;
            pos[pile] = {x, y};
            posOrder.push_back(pile);
        } else if (head == "fan") {
            ++fanLines;
        } else if (head == "card") {
            int e = -1, x = 0, y = 0;
            words >> pile >> e >> x >> y;
            ++cardLines;
            ASSERT_TRUE(pos.count(pile)) << line;
            EXPECT_EQ(x, pos[pile].first) << line;
            // Face-up cards of a fanned row step down by 18 on big cards.
            if (pile.starts_with("Fila")) {
                EXPECT_EQ(y, pos[pile].second + 18 * e) << line;
            }
        }
    }
    EXPECT_EQ(posOrder, parse(run(deal(1, "0000000000042")).out).order);  // the table's piles, in its order
    EXPECT_EQ(pos["Mazzo"], std::make_pair(-10000, -10000));
    for (int k = 1; k <= 8; ++k) EXPECT_GE(pos["Fila" + std::to_string(k)].first, 0);
    EXPECT_EQ(fanLines, 1);
    EXPECT_EQ(cardLines, 52);
}

TEST(SolitaireDealInput, UnusableInputExitsWithStatusTwo) {
    const std::string dat = VANTREL_GAMES_DAT;
    const std::string broken = testing::TempDir() + "broken_games.dat";
    std::ofstream(broken) << "[Sect1]\n" << "garbage\n[Sect2]\nxx\n";
    const std::vector<std::string> cases{
        "--games " + dat + " --game 1 --deal 12a4",
        "--games " + dat + " --game 1 --deal ''",
        "--games " + dat + " --game 777 --deal 1",
        "--games " + dat + " --game x --deal 1",
        "--games /nonexistent/GAMES.DAT --game 1 --deal 1",
        "--games " + broken + " --game 1 --deal 1",
        "--games " + dat + " --deal 1",
        "--games " + dat + " --game 1 --deal 1 --bogus",
        "--games " + dat + " --game 1 --deal",
        "--games " + dat + " --game 1 --deal 1 --layout width=800",
    };
    for (const std::string& args : cases) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_TRUE(r.out.empty()) << args;
    }
}

TEST(SolitaireDealPrinter, GapsShowAnXAndUnusedPilesAreLeftOut) {
    auto game = std::make_unique<vantrel::Game>();
    game->params.set(261, 1);
    game->params.set(262, 2);
    game->params.set(36, 7);
    game->state.write(vantrel::field::Score, "-47");
    game->piles.tableau[0] = "012000040";
    game->cards.setFace(40, '0');
    game->piles.tableau[5] = "033";  // beyond the rows in use
    std::ostringstream out;
    solitaire_deal::printTable(out, *game, {12, 0, 40});
    EXPECT_EQ(out.str(),
              "deck 012000040\n"
              "Mazzo - -\nMazzo_Vis - -\nMazzo_Waste - -\n"
              "Dest1 - -\n"
              "Fila1 012000040 1x0\n"
              "Fila2 - -\n"
              "base 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
              "score -47\n");
}

}  // namespace
