// A --play script of any content over the shipped games: the first byte
// picks the game, the rest are the pointer events.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "model/games_file.h"
#include "model/game.h"
#include "model/messages.h"
#include "play_driver.h"
#include "view/layout/layout_report.h"

namespace {

using namespace vantrel;

struct QuietMessages : Messages {
    void infoBox(std::string_view) override {}
};

const GamesFile& shippedGames() {
    static const GamesFile file = [] {
        GamesFile f;
        std::string error;
        if (!f.load(VANTREL_GAMES_DAT, error)) std::abort();
        return f;
    }();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const std::vector<GameListEntry> list = shippedGames().LoadGameList(nullptr);
    if (list.empty()) std::abort();
    const GameListEntry& entry = list[data[0] % list.size()];
    auto game = std::make_unique<Game>();
    std::string error;
    if (!shippedGames().LoadGameParameters(entry.number, game->params, error)) std::abort();
    StateRecord& state = game->state;
    state.write(field::Game, entry.number);
    state.write(field::Game_name, entry.name);
    state.write(field::Scoring_System, "01");
    state.write(field::Score, "0");
    state.write(field::Deal_Number, "0000000031415");
    QuietMessages messages;
    if (!Dealer(*game, &messages, nullptr).deal()) return 0;

    LayoutArea area;
    if (!parseLayoutOption("width=784,height=560,top=33,bottom=514,screen=800x600,winh=560,shadow=9,card=B", area, error))
        std::abort();
    std::istringstream script(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    std::ostringstream out, err;
    solitaire_deal::playScript(*game, area, script, "fuzz", out, err);
    return 0;
}
