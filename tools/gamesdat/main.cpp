// gamesdat OUTPUT SOURCE...: compiles readable game definitions (files or
// folders of *.game files) into the program's GAMES.DAT.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "game_source.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: gamesdat OUTPUT SOURCE...\n";
        return 2;
    }
    std::vector<fs::path> files;
    for (int i = 2; i < argc; ++i) {
        const fs::path p = argv[i];
        if (fs::is_directory(p)) {
            for (const auto& e : fs::directory_iterator(p))
                if (e.path().extension() == ".game") files.push_back(e.path());
        } else {
            files.push_back(p);
        }
    }
    std::sort(files.begin(), files.end());

    std::vector<std::string> errors, warnings;
    std::vector<gamesdat::GameSource> games;
    for (const fs::path& f : files) {
        std::ifstream in(f, std::ios::binary);
        if (!in) {
            errors.push_back(f.string() + ": cannot be read");
            continue;
        }
        std::stringstream text;
        text << in.rdbuf();
        gamesdat::GameSource g;
        if (!gamesdat::parseGameSource(text.str(), f.string(), g, errors)) continue;
        gamesdat::checkGame(g, errors, warnings);
        games.push_back(std::move(g));
    }
    gamesdat::checkCatalogue(games, errors);
    for (const auto& w : warnings) std::cerr << "warning: " << w << "\n";
    if (!errors.empty()) {
        for (const auto& e : errors) std::cerr << "error: " << e << "\n";
        return 1;
    }
    // Write beside the target, then rename, so a failed run never leaves a
    // half-written data file behind.
    const fs::path out = argv[1];
    const fs::path tmp = out.string() + ".tmp";
    {
        std::ofstream o(tmp, std::ios::binary);
        o << gamesdat::writeGamesDat(games);
        if (!o) {
            std::cerr << "error: cannot write " << tmp << "\n";
            return 1;
        }
    }
    fs::rename(tmp, out);
    return 0;
}
