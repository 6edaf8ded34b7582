// gamesdat [--help-file HELP TEMPLATE] OUTPUT SOURCE...: compiles readable
// game definitions (files or folders of *.game files) into the program's
// GAMES.DAT, and with --help-file the help file with their rules.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "game_source.h"
#include "help_file.h"

namespace fs = std::filesystem;

namespace {

bool readFile(const fs::path& f, std::string& text) {
    std::ifstream in(f, std::ios::binary);
    if (!in) return false;
    std::stringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// Written beside the target, then renamed, so a failed run never leaves a
// half-written file behind.
bool writeFile(const fs::path& out, const std::string& text) {
    const fs::path tmp = out.string() + ".tmp";
    {
        std::ofstream o(tmp, std::ios::binary);
        o << text;
        if (!o) {
            std::cerr << "error: cannot write " << tmp << "\n";
            return false;
        }
    }
    fs::rename(tmp, out);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
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
    std::vector<fs::path> files;
    for (int i = first + 1; i < argc; ++i) {
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
        std::string text;
        if (!readFile(f, text)) {
            errors.push_back(f.string() + ": cannot be read");
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
        std::string templ;
        if (!readFile(helpTemplate, templ))
            errors.push_back(helpTemplate.string() + ": cannot be read");
        else
            gamesdat::writeHelpFile(templ, games, help, errors);
    }
    for (const auto& w : warnings) std::cerr << "warning: " << w << "\n";
    if (!errors.empty()) {
        for (const auto& e : errors) std::cerr << "error: " << e << "\n";
        return 1;
    }
    if (!writeFile(argv[first], gamesdat::writeGamesDat(games))) return 1;
    if (!helpFile.empty() && !writeFile(helpFile, help)) return 1;
    return 0;
}
