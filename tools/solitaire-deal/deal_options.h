#pragma once
// Command line of solitaire-deal. Options are a table, so a new one is a
// new row and a new field.
#include <optional>
#include <string>
#include <vector>

#include "view/layout/layout_inputs.h"

namespace solitaire_deal {

struct Options {
    std::string gamesFile;
    int game = -1;
    std::string dealNumber;  // the last 13 digits, zero-padded
    bool rules = false;
    std::optional<vantrel::LayoutArea> layout;  // --layout: print the pile layout too
    std::string playScript;                     // --play: events to play after the deal
    long monkeyEvents = 0;                      // --monkey: random events over every game
    unsigned long long seed = 1;                // --seed: of the random events
};

// Nothing, with the reason in `error`, when the command line is unusable.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

std::string usage();

}  // namespace solitaire_deal
