#include "deal_setup.h"

#include "engine/score.h"
#include "model/deal.h"
#include "model/game.h"

namespace solitaire_deal {

using namespace vantrel;

bool loadGame(Game& game, const std::string& gamesFile, int number, std::string& error,
              std::vector<std::string>* problems) {
    if (!game.gamesFile.load(gamesFile, error)) return false;
    game.gameList = game.gamesFile.LoadGameList(problems);
    bool listed = false;
    for (const auto& entry : game.gameList) listed = listed || entry.number == number;
    if (!listed) {
        error = "game " + std::to_string(number) + " is not in " + gamesFile;
        return false;
    }
    if (!game.gamesFile.LoadGameParameters(number, game.params, error)) return false;
    StateRecord& state = game.state;
    state.write(field::Game, number);
    state.write(field::Game_name, gameNameByNumber(game.gameList, number));
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
