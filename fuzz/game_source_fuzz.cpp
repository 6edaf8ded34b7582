// A game source of any content through the compiler: parse, checks, the
// data file written from it, and that file read back by the program.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "game_source.h"
#include "model/games_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> errors, warnings;
    gamesdat::GameSource source;
    gamesdat::ruleParagraphs(text);
    if (!gamesdat::parseGameSource(text, "fuzz.game", source, errors)) return 0;
    gamesdat::checkGame(source, errors, warnings);
    const std::vector<gamesdat::GameSource> games{source};
    gamesdat::checkCatalogue(games, errors);
    if (!errors.empty()) return 0;

    // What the compiler accepts, the program must read back unchanged.
    vantrel::GamesFile file;
    file.parse(gamesdat::writeGamesDat(games));
    const auto list = file.LoadGameList(nullptr);
    if (list.size() != 1 || list[0].number != source.number || list[0].name != source.name) std::abort();
    vantrel::GameParams params;
    std::string error;
    if (!file.LoadGameParameters(source.number, params, error)) std::abort();
    for (const auto& [number, value] : source.values)
        if (params[number] != static_cast<int16_t>(value)) std::abort();
    return 0;
}
