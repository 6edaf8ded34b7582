// solitaire-solve --games F --game N --deal D --layout AREA [--limit STATES]
// [--seconds S] [--script FILE] [--search depth|best]: searches the dealt table for a winning
// line and prints one result line; with --script the won line is written
// as a solitaire-deal --play script. Exit status 2 on unusable input.
#include <fstream>
#include <iostream>
#include <map>
#include <memory>

#include "deal_setup.h"
#include "model/game.h"
#include "model/game_number.h"
#include "model/text.h"
#include "play_driver.h"
#include "table_search.h"
#include "view/layout/layout_report.h"

namespace {

constexpr int ExitUnusable = 2;
constexpr const char* Usage =
    "usage: solitaire-solve --games FILE --game N --deal DIGITS --layout AREA [--limit STATES] [--seconds S]\n"
    "         [--script FILE] [--search depth|best]";

int fail(const std::string& message) {
    std::cerr << "solitaire-solve: " << message << '\n';
    return ExitUnusable;
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> opts;
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        static const char* const known[] = {"--games", "--game", "--deal", "--layout", "--limit", "--seconds", "--script", "--search"};
        if (std::find(std::begin(known), std::end(known), name) == std::end(known))
            return fail("unknown argument '" + name + "'\n" + Usage);
        if (i + 1 >= argc) return fail(name + " needs a value");
        opts[name] = argv[i + 1];
    }
    for (const char* required : {"--games", "--game", "--deal", "--layout"})
        if (!opts.count(required)) return fail(std::string(required) + " is missing\n" + Usage);

    long game = 0;
    if (!vantrel::parseInt32(opts["--game"], game) || game < 0) return fail("--game needs a game number");
    const auto deal = vantrel::normalizeGameNumber(opts["--deal"]);
    if (!deal) return fail("--deal needs decimal digits only");
    vantrel::LayoutArea area;
    std::string error;
    if (!vantrel::parseLayoutOption(opts["--layout"], area, error)) return fail(error);
    solitaire_solve::SearchLimits limits;
    if (opts.count("--limit")) {
        long n = 0;
        if (!vantrel::parseInt32(opts["--limit"], n) || n < 1 || uint64_t(n) > solitaire_solve::MaxStates)
            return fail("--limit needs a state count from 1 to " + std::to_string(solitaire_solve::MaxStates));
        limits.states = uint64_t(n);
    }
    if (opts.count("--seconds")) {
        try {
            limits.seconds = std::stod(opts["--seconds"]);
        } catch (...) {
            return fail("--seconds needs a number");
        }
        if (!(limits.seconds > 0)) return fail("--seconds needs a positive number");
    }
    if (opts.count("--search")) {
        const std::string& s = opts["--search"];
        if (s != "depth" && s != "best") return fail("--search needs depth or best");
        limits.aim = s == "best" ? solitaire_solve::SearchLimits::Aim::Best : solitaire_solve::SearchLimits::Aim::Depth;
    }

    auto table = std::make_unique<vantrel::Game>();
    if (!solitaire_deal::loadGame(*table, opts["--games"], int(game), error)) return fail(error);
    if (!solitaire_deal::dealTable(*table, *deal, nullptr)) return fail("game " + opts["--game"] + " could not be dealt");
    const vantrel::TableGeometry geometry = solitaire_deal::prepareScriptTable(*table, area);
    const solitaire_solve::SearchResult result = solitaire_solve::solve(*table, geometry, limits);
    std::cout << solitaire_solve::resultLine(result) << '\n';
    if (opts.count("--script") && result.outcome == solitaire_solve::Outcome::Won) {
        std::ofstream script(opts["--script"]);
        for (const auto& action : result.line) solitaire_solve::writeScript(script, action);
        if (!script) return fail("cannot write " + opts["--script"]);
    }
    return std::cout.good() ? 0 : ExitUnusable;
}
