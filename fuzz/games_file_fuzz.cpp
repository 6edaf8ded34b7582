// A GAMES.DAT of any content: the game list, every listed game's
// parameters, LoadGame, and the deal and layout of what loaded.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/deal.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "model/load_game.h"
#include "model/messages.h"
#include "view/layout/layout_report.h"

namespace {

using namespace vantrel;

struct QuietHost : GameLoadHost, Messages {
    int width = 1024;
    int screenWidth() const override { return width; }
    void infoBox(std::string_view) override {}
    void errorBox(std::string_view) override {}
    void enableCustomize(bool) override {}
    void reloadCardImages() override {}
    void enableAutoplay(bool) override {}
    void computeLayout() override {}
    void repaintTable() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Game game;
    game.state.StateInit("/nonexistent/");
    Catalogue catalogue;
    catalogue.gamesFile.parse(std::string_view(reinterpret_cast<const char*>(data), size));
    catalogue.gameList = catalogue.gamesFile.LoadGameList(nullptr);
    QuietHost host;
    host.width = size % 2 ? 640 : 1024;  // the reduced card set as well
    LayoutArea area;
    area.width = 1000;
    area.height = 700;
    area.screenW = 1024;
    area.screenH = 768;
    area.winH = 740;
    int tried = 0;
    for (const GameListEntry& entry : catalogue.gameList) {
        if (++tried > 4) break;
        gameNameByNumber(catalogue.gameList, entry.number);
        game.state.write(field::Game, entry.number);
        game.state.write(field::Deal_Number, "0000000012345");
        game.state.write(field::Card_Size, "B");
        if (!LoadGame(game, catalogue, host)) continue;
        if (Dealer(game, &host, nullptr).deal()) layoutReport(game, area);
    }
    return 0;
}
