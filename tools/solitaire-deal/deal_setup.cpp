#include "deal_setup.h"

#include "engine/deal.h"
#include "engine/score.h"
#include "model/catalogue.h"
#include "model/game.h"

namespace solitaire_deal {

using namespace vantrel;

bool loadGame(Game& game, const std::string& gamesFile, int number, std::string& error,
              std::vector<std::string>* problems) {
    Catalogue catalogue;
    if (!catalogue.gamesFile.load(gamesFile, error)) return false;
    catalogue.gameList = catalogue.gamesFile.LoadGameList(problems);
    bool listed = false;
    for (const auto& entry : catalogue.gameList) listed = listed || entry.number == number;
    if (!listed) {
        error = "game " + std::to_string(number) + " is not in " + gamesFile;
        return false;
    }
    if (!catalogue.gamesFile.LoadGameParameters(number, game.params, error)) return false;
    StateRecord& state = game.state;
    state.write(field::Game, number);
    state.write(field::Game_name, gameNameByNumber(catalogue.gameList, number));
    state.write(field::Scoring_System, StandardScoring);
    return true;
}

std::optional<std::vector<int>> dealTable(Game& game, const std::string& dealNumber, Messages* messages) {
    game.params.RestoreGameParameters();
    game.state.write(field::Score, "0");
    game.state.write(field::Deal_Number, dealNumber);
    return Dealer(game, messages, nullptr).deal();
}

}  // namespace solitaire_deal
