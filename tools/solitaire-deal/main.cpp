// solitaire-deal --games FILE --game N --deal DIGITS [--rules] [--layout ...]: deals one
// game without a window and prints the table as text. Exit status 2 when
// the command line, the file or the game is unusable. With --monkey it
// plays random events over every game instead, exit status 1 on a fault.
#include <fstream>
#include <iostream>
#include <memory>

#include "deal_options.h"
#include "deal_setup.h"
#include "deal_printer.h"
#include "monkey.h"
#include "play_driver.h"
#include "model/catalogue.h"
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

    if (options->monkeyEvents > 0) {
        vantrel::Catalogue catalogue;
        if (!catalogue.gamesFile.load(options->gamesFile, error)) return fail(error);
        catalogue.gameList = catalogue.gamesFile.LoadGameList(nullptr);
        return solitaire_deal::playMonkey(catalogue.gamesFile, catalogue.gameList, options->monkeyEvents,
                                          options->seed, std::cout);
    }
    auto game = std::make_unique<vantrel::Game>();
    std::vector<std::string> problems;
    if (!solitaire_deal::loadGame(*game, options->gamesFile, options->game, error, &problems)) {
        for (const auto& p : problems) std::cerr << "solitaire-deal: " << p << '\n';
        return fail(error);
    }
    StderrMessages messages;
    const auto deck = solitaire_deal::dealTable(*game, options->dealNumber, &messages);
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
