// Every game of the built GAMES.DAT: its source carries rules and the
// chooser's description, every deal keeps the whole pack, and the table fits
// the usual window sizes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "engine/deal.h"
#include "game_source.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "view/layout/card_fan.h"
#include "view/layout/layout.h"
#include "model/param_ids.h"

namespace fs = std::filesystem;
using namespace vantrel;

namespace {

constexpr int DealsPerGame = 20;

const Catalogue& catalogue() {
    static const Catalogue c = [] {
        Catalogue c;
        std::string error;
        if (!c.gamesFile.load(VANTREL_GAMES_DAT, error)) ADD_FAILURE() << error;
        c.gameList = c.gamesFile.LoadGameList();
        return c;
    }();
    return c;
}

std::unique_ptr<Game> loadGame(int number) {
    auto game = std::make_unique<Game>();
    std::string error;
    EXPECT_TRUE(catalogue().gamesFile.LoadGameParameters(number, game->params, error)) << error;
    game->state.write(field::Game, number);
    return game;
}

// Thirteen-digit deal numbers spread over the range, the all-zero one first.
std::string dealNumber(int i) {
    const unsigned long long n = static_cast<unsigned long long>(i) * 4'999'999'999'99ULL % 10'000'000'000'000ULL;
    std::string s = std::to_string(n);
    return std::string(13 - s.size(), '0') + s;
}

// Piles of a group the game uses.
int inUse(const GameParams& p, PileGroup g) {
    switch (g) {
        case PileGroup::Stock: return StockPiles;
        case PileGroup::Foundation: return std::min(p[261], FoundationPiles);
        case PileGroup::Tableau: return std::min(p[262], TableauPiles);
        case PileGroup::Reserve: return std::min(p[263], ReservePiles);
    }
    return 0;
}

constexpr PileGroup Groups[] = {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve};

// Every card of the pack in exactly one pile of the whole table (piles not
// in use included, so that a card dealt off the table shows too).
std::string conservationProblem(const Game& game) {
    const int deck = game.params[265];
    std::map<int, int> seen;
    for (PileGroup g : Groups)
        for (int e = 0; e < groupSize(g); ++e) {
            const std::string& pile = game.piles.pile(g, e);
            for (int i = 0; i < cardCount(pile); ++i) {
                const int card = cardAt(pile, i);
                if (card == 0) continue;  // a gap
                if (card < 1 || card > deck) return pileName({g, e}) + " holds card " + std::to_string(card);
                if (e >= inUse(game.params, g) && g != PileGroup::Stock)
                    return pileName({g, e}) + " is not in use but holds cards";
                ++seen[card];
            }
        }
    for (int card = 1; card <= deck; ++card)
        if (seen[card] != 1) return "card " + std::to_string(card) + " lies in " + std::to_string(seen[card]) + " piles";
    return {};
}

struct Window {
    int width, height;
    char card;
    std::string label() const { return std::to_string(width) + "x" + std::to_string(height) + " " + card; }
};
constexpr Window Windows[] = {{800, 600, 'B'},  {800, 600, 'M'},  {1024, 768, 'B'},
                              {1024, 768, 'M'}, {1920, 1080, 'B'}, {1920, 1080, 'M'}};

// The stock group's piles the game shows: stock, waste, second waste.
bool stockSlotUsed(const GameParams& p, int slot) {
    if (slot == StockEntry) return p[7] == 1;
    if (slot == WasteEntry) return p[8] == 1;
    return p[264] > 0;
}

// A maximised window with a toolbar: what the layout driver would hand on.
LayoutArea areaFor(const Window& w) {
    LayoutArea a;
    a.width = w.width - 17;
    a.height = w.height;
    a.top = 40;
    a.bottom = w.height - 60;
    a.screenW = w.width;
    a.screenH = w.height;
    a.winH = w.height;
    a.shadow = 9;
    a.cardSize = w.card;
    return a;
}

// Empty when every pile in use is placed, its cards lie within the width
// and no two piles' top cards overlap.
std::string layoutProblem(const Game& game, const Window& w) {
    const LayoutArea area = areaFor(w);
    const LayoutInputs in = layoutInputs(game.params, area);
    PilePositions positions;
    Layout(in, positions);
    const FanSteps steps = fanSteps(w.card, game.params[3], game.params[5]);
    const CardFanContext ctx{game.piles, game.cards, positions, game.params, steps, in.cardW, nullptr};
    struct Top {
        PileRef ref;
        CardPoint at;
    };
    std::vector<Top> tops;
    for (PileGroup g : Groups)
        for (int e = 0; e < inUse(game.params, g); ++e) {
            const PileRef ref{g, e};
            if (g == PileGroup::Stock && !stockSlotUsed(game.params, e)) continue;
            if (!positions.placed(g, e)) return pileName(ref) + " is not placed";
            const int cards = cardCount(game.piles.pile(ref));
            for (int c = 0; c < cards; ++c) {
                const CardPoint p = cardPoint(ctx, ref, cards - c, true);
                if (p.x < 0 || p.x + in.cardW > area.width)
                    return pileName(ref) + " card " + std::to_string(c) + " at x " + std::to_string(p.x) +
                           " leaves the width " + std::to_string(area.width);
            }
            tops.push_back({ref, cards ? cardPoint(ctx, ref, 1, true) : CardPoint{positions.x(g, e), positions.y(g, e)}});
        }
    // The staircase overlaps its own rows by design: each card half covers
    // two cards of the row above.
    const bool staircase = game.params[param::TableauArrangement] == 54;
    for (size_t i = 0; i < tops.size(); ++i)
        for (size_t j = i + 1; j < tops.size(); ++j) {
            if (staircase && tops[i].ref.group == PileGroup::Tableau && tops[j].ref.group == PileGroup::Tableau) continue;
            const CardPoint a = tops[i].at, b = tops[j].at;
            if (std::abs(a.x - b.x) < in.cardW && std::abs(a.y - b.y) < in.cardH)
                return pileName(tops[i].ref) + " and " + pileName(tops[j].ref) + " overlap";
        }
    return {};
}

}  // namespace

TEST(Catalogue, EverySourceCarriesRulesAndDescription) {
    int sources = 0;
    for (const auto& entry : fs::directory_iterator(VANTREL_GAMES_SOURCES)) {
        if (entry.path().extension() != ".game") continue;
        ++sources;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        gamesdat::GameSource g;
        std::vector<std::string> errors;
        ASSERT_TRUE(gamesdat::parseGameSource(text.str(), entry.path().string(), g, errors)) << errors.front();
        const std::string& file = g.file;
        EXPECT_GE(gamesdat::ruleParagraphs(g.rules).size(), 2u) << file << ": rules text too short";
        EXPECT_TRUE(g.typeCode >= 2 && g.typeCode <= 13) << file << ": category " << g.typeCode;
        const struct {
            int parameter, highest;
        } description[] = {{340, 2}, {341, 2}, {343, 4}};
        for (const auto& d : description) {
            const auto it = g.values.find(d.parameter);
            EXPECT_TRUE(it != g.values.end() && it->second >= 0 && it->second <= d.highest)
                << file << ": description value " << d.parameter;
        }
        const auto about = g.values.find(344), in_ = g.values.find(345);
        if (in_ != g.values.end() && in_->second != 0) {
            EXPECT_TRUE(about != g.values.end() && about->second > 0 && about->second <= in_->second) << file;
        }
    }
    EXPECT_EQ(static_cast<size_t>(sources), catalogue().gameList.size());
}

TEST(Catalogue, EveryDealKeepsThePackWhole) {
    ASSERT_FALSE(catalogue().gameList.empty());
    for (const GameListEntry& entry : catalogue().gameList) {
        for (int i = 0; i < DealsPerGame; ++i) {
            auto game = loadGame(entry.number);
            game->state.write(field::Deal_Number, dealNumber(i));
            ASSERT_TRUE(Dealer(*game, nullptr, nullptr).deal()) << entry.name;
            const std::string problem = conservationProblem(*game);
            EXPECT_TRUE(problem.empty()) << entry.name << " deal " << dealNumber(i) << ": " << problem;
        }
    }
}

// Nothing turns a reserve card up: one dealt face down is reached only
// when the autofill moves the first reserve's top into an empty row.
TEST(Catalogue, EveryReserveCardCanBeReached) {
    for (const GameListEntry& entry : catalogue().gameList) {
        auto game = loadGame(entry.number);
        game->state.write(field::Deal_Number, dealNumber(0));
        ASSERT_TRUE(Dealer(*game, nullptr, nullptr).deal()) << entry.name;
        for (int n = 0; n < param::reservesInUse(game->params); ++n) {
            const std::string& pile = game->piles.reserves[size_t(n)];
            bool down = false;
            for (int i = 0; i < cardCount(pile); ++i) down = down || !game->cards.faceUp(cardAt(pile, i));
            EXPECT_TRUE(!down || (n == 0 && game->params[param::TableauAutofill] == 1))
                << entry.name << ": reserve " << n + 1 << " holds cards no move turns up";
        }
    }
}

// Every game fits 1920x1080 with either card size and 1024x768 with size M;
// the smaller windows are reported, since the narrowest ones may need the
// reduced card set or a larger window.
TEST(Catalogue, EveryTableFitsTheWindow) {
    std::map<std::string, std::vector<std::string>> tooSmall;
    for (const GameListEntry& entry : catalogue().gameList) {
        for (int i = 0; i < 3; ++i) {
            auto game = loadGame(entry.number);
            game->state.write(field::Deal_Number, dealNumber(i));
            ASSERT_TRUE(Dealer(*game, nullptr, nullptr).deal());
            for (const Window& w : Windows) {
                const std::string problem = layoutProblem(*game, w);
                if (problem.empty()) continue;
                if (w.width == 1920 || (w.width == 1024 && w.card == 'M'))
                    ADD_FAILURE() << entry.name << " at " << w.label() << " deal " << dealNumber(i) << ": " << problem;
                if (i == 0) tooSmall[entry.name].push_back(w.label() + " (" + problem + ")");
            }
        }
    }
    for (const auto& [name, windows] : tooSmall) {
        std::cout << "[ needs more room ] " << name << ":";
        for (const auto& w : windows) std::cout << " " << w << ";";
        std::cout << "\n";
    }
}
