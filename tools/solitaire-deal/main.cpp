// solitaire-deal --games FILE --game N --deal DIGITS [--rules] [--layout ...]: deals one
// game without a window and prints the table as text. Exit status 2 when
// the command line, the file or the game is unusable.
#include <fstream>
#include <iostream>
#include <memory>

#include "deal_options.h"
#include "deal_printer.h"
#include "play_driver.h"
#include "engine/score.h"
#include "model/deal.h"
#include "model/game.h"
#include "model/messages.h"
#include "view/layout/layout_report.h"

namespace {

constexpr int ExitUnusable = 2;

// What the program would show in a box goes to standard error.
class StderrMessages : public vantrel::Messages {
public:
    void infoBox(std::string_view text) override {
        std::cerr << "solitaire-deal: " << text << '\n';
        shown = true;
    }
    bool shown = false;
};

int fail(const std::string& message) {
    std::cerr << "solitaire-deal: " << message << '\n';
    return ExitUnusable;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = solitaire_deal::parseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) return fail(error + "\n" + solitaire_deal::usage());

    auto game = std::make_unique<vantrel::Game>();
    if (!game->gamesFile.load(options->gamesFile, error)) return fail(error);
    std::vector<std::string> problems;
    game->gameList = game->gamesFile.LoadGameList(&problems);
    const std::string name = vantrel::gameNameByNumber(game->gameList, options->game);
    bool listed = false;
    for (const auto& entry : game->gameList) listed = listed || entry.number == options->game;
    if (!listed) {
        for (const auto& p : problems) std::cerr << "solitaire-deal: " << p << '\n';
        return fail("game " + std::to_string(options->game) + " is not in " + options->gamesFile);
    }
    if (!game->gamesFile.LoadGameParameters(options->game, game->params, error)) return fail(error);

    vantrel::StateRecord& state = game->state;
    state.write(vantrel::field::Game, options->game);
    state.write(vantrel::field::Game_name, name);
    state.write(vantrel::field::Scoring_System, vantrel::StandardScoring);
    state.write(vantrel::field::Score, "0");
    state.write(vantrel::field::Deal_Number, options->dealNumber);

    StderrMessages messages;
    const auto deck = vantrel::Dealer(*game, &messages, nullptr).deal();
    if (!deck) return fail("game " + std::to_string(options->game) + " could not be dealt");
    solitaire_deal::printTable(std::cout, *game, *deck);
    if (options->rules) solitaire_deal::printRules(std::cout, *game, &messages);
    if (options->layout)
        for (const std::string& line : vantrel::layoutReport(*game, *options->layout)) std::cout << line << '\n';
    if (!options->playScript.empty()) {
        std::ifstream script(options->playScript);
        if (!script) return fail("cannot read " + options->playScript);
        return solitaire_deal::playScript(*game, *options->layout, script, options->playScript, std::cout, std::cerr);
    }
    return std::cout.good() ? 0 : ExitUnusable;
}
