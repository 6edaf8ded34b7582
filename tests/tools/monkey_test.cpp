// The random player's checks catch a table broken on purpose, and the
// script it prints replays the events up to the fault through --play.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "deal_printer.h"
#include "model/cards.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "monkey.h"

namespace {

using vantrel::Game;

constexpr long PlantAfter = 20;  // events, well inside the first (shipped) deal

// The first card on a row, a reserve or the stock group.
int someCard(const Game& g) {
    std::vector<const std::string*> piles;
    for (const auto& p : g.piles.tableau) piles.push_back(&p);
    for (const auto& p : g.piles.reserves) piles.push_back(&p);
    for (const auto& p : g.piles.stock) piles.push_back(&p);
    for (const std::string* p : piles)
        for (int i = 0; i < vantrel::cardCount(*p); ++i)
            if (vantrel::cardAt(*p, i) > 0) return vantrel::cardAt(*p, i);
    return 0;
}

void twice(Game& g) { g.piles.reserves.back() += vantrel::cardCode(someCard(g)); }

void faceDownHome(Game& g) {
    const int card = someCard(g);
    for (auto& p : g.piles.tableau) vantrel::findCardInPile(p, card, 1);
    for (auto& p : g.piles.reserves) vantrel::findCardInPile(p, card, 1);
    for (auto& p : g.piles.stock) vantrel::findCardInPile(p, card, 1);
    g.piles.foundations.back() += vantrel::cardCode(card);
    g.cards.setFace(card, '0');
}

std::string runDeal(const std::string& args, int& status) {
    FILE* pipe = popen((std::string(SOLITAIRE_DEAL) + " " + args + " 2>&1").c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    for (size_t n; pipe && (n = fread(buf.data(), 1, buf.size(), pipe)) > 0;) out.append(buf.data(), n);
    const int raw = pipe ? pclose(pipe) : -1;
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

// The pile lines printed after the last event of a --play run.
std::string lastPiles(const std::string& played) {
    const std::string text = played.substr(played.rfind("\n> ") + 1);
    std::istringstream in(text);
    std::string line, piles;
    std::getline(in, line);  // the event
    while (std::getline(in, line) && line.rfind("score ", 0) != 0) {
        const std::string head = line.substr(0, line.find(' '));
        if (head != "beep" && head != "sound" && head != "message" && head != "peek" && head != "endgame")
            piles += line + '\n';
    }
    return piles;
}

TEST(RandomPlayer, ReportsAPlantedFaultWithAScriptThatReplaysUpToIt) {
    if (!std::ifstream(VANTREL_GAMES_DAT)) GTEST_SKIP() << "GAMES.DAT has not been built";
    vantrel::Catalogue catalogue;
    std::string error;
    ASSERT_TRUE(catalogue.gamesFile.load(VANTREL_GAMES_DAT, error)) << error;
    catalogue.gameList = catalogue.gamesFile.LoadGameList(nullptr);

    struct Case {
        const char* fault;
        void (*plant)(Game&);
    };
    for (const Case& c : {Case{"a card lies on two piles", twice}, Case{"a face-down card on a foundation", faceDownHome}}) {
        SCOPED_TRACE(c.fault);
        std::string before;  // the table the last event left
        const solitaire_deal::PlantFault plant = [&](Game& g, long played) {
            if (played != PlantAfter) return;
            std::ostringstream piles;
            solitaire_deal::printPiles(piles, g);
            before = piles.str();
            c.plant(g);
        };
        std::ostringstream report;
        EXPECT_EQ(solitaire_deal::playMonkey(catalogue.gamesFile, catalogue.gameList, 1000, 7, report, plant), 1);
        const std::string text = report.str();
        ASSERT_EQ(text.rfind(std::string("monkey: ") + c.fault + "\n", 0), 0u) << text;

        // "# replay: solitaire-deal --games GAMES.DAT <options> --play SCRIPT", then the script.
        const std::string marker = "# replay: solitaire-deal --games GAMES.DAT";
        const size_t at = text.find(marker);
        ASSERT_NE(at, std::string::npos) << text;
        const size_t eol = text.find('\n', at);
        std::string options = text.substr(at + marker.size(), eol - at - marker.size());
        options = options.substr(0, options.rfind(" --play SCRIPT"));
        const std::string script = text.substr(eol + 1);
        EXPECT_EQ(std::count(script.begin(), script.end(), '\n'), PlantAfter + 1);
        const std::string path = testing::TempDir() + "monkey_replay.txt";
        std::ofstream(path) << script;

        int status = -1;
        const std::string played = runDeal(std::string("--games ") + VANTREL_GAMES_DAT + options + " --play " + path, status);
        EXPECT_EQ(status, 0) << played;
        EXPECT_EQ(lastPiles(played), before);
    }
}

}  // namespace
