#pragma once
// The program's help file, built from a hand-written template and the game
// sources: the template's line "<!--games-->" becomes the list of games in
// alphabetical order, its line "<!--rules-->" one rules topic per game
// ("<!--topic 3001-->" for game 1) made of the game's rules paragraphs.
// Games numbered 8000 and above have no rules topic.
#include <string>
#include <string_view>
#include <vector>

#include "game_source.h"

namespace gamesdat {

inline constexpr int RulesTopicBase = 3000;
inline constexpr int FirstGameWithoutRules = 8000;

// False, with the reason in `errors`, when the template lacks a mark.
bool writeHelpFile(std::string_view templ, const std::vector<GameSource>& games, std::string& out,
                   std::vector<std::string>& errors);

// Text for HTML: & < > and " written as entities.
std::string escapeHtml(std::string_view text);

}  // namespace gamesdat
