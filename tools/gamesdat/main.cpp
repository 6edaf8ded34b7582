// gamesdat [--help-file HELP TEMPLATE] OUTPUT SOURCE...: compiles readable
// game definitions (files or folders of *.game files) into the program's
// GAMES.DAT, and with --help-file the help file with their rules.
#include <filesystem>
#include <iostream>

#include "game_source.h"
#include "help_file.h"
#include "source_files.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) try {
    int first = 1;
    fs::path helpFile, helpTemplate;
    if (argc > 3 && std::string_view(argv[1]) == "--help-file") {
        helpFile = argv[2];
        helpTemplate = argv[3];
        first = 4;
    }
    if (argc < first + 2) {
        std::cerr << "usage: gamesdat [--help-file HELP TEMPLATE] OUTPUT SOURCE...\n";
        return 2;
    }
    std::vector<std::string> errors, warnings;
    std::vector<fs::path> files;
    gamesdat::collectSources(std::vector<std::string>(argv + first + 1, argv + argc), files, errors);

    std::vector<gamesdat::GameSource> games;
    for (const fs::path& f : files) {
        std::string text, error;
        if (!gamesdat::readSource(f, text, error)) {
            errors.push_back(error);
            continue;
        }
        gamesdat::GameSource g;
        if (!gamesdat::parseGameSource(text, f.string(), g, errors)) continue;
        gamesdat::checkGame(g, errors, warnings);
        games.push_back(std::move(g));
    }
    gamesdat::checkCatalogue(games, errors);
    std::string help;
    if (!helpFile.empty()) {
        std::string templ, error;
        if (!gamesdat::readSource(helpTemplate, templ, error))
            errors.push_back(error);
        else
            gamesdat::writeHelpFile(templ, games, help, errors);
    }
    for (const auto& w : warnings) std::cerr << "warning: " << w << "\n";
    for (const auto& e : errors) std::cerr << (e.starts_with("gamesdat: ") ? "" : "error: ") << e << "\n";
    if (!errors.empty()) return 1;
    std::string error;
    if (!gamesdat::writeOutput(argv[first], gamesdat::writeGamesDat(games), error) ||
        (!helpFile.empty() && !gamesdat::writeOutput(helpFile, help, error))) {
        std::cerr << error << "\n";
        return 1;
    }
    return 0;
} catch (const std::exception& e) {
    std::cerr << "gamesdat: " << e.what() << "\n";
    return 1;
}
