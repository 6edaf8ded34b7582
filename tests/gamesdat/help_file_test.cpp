// The help file: the template's marks replaced by the list of games and
// one rules topic per game; the shipped games all have their rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "help_file.h"

using namespace gamesdat;

namespace {

GameSource game(int number, const char* name, const char* rules) {
    GameSource g;
    g.number = number;
    g.name = name;
    g.rules = rules;
    return g;
}

const char* const Template = "<html><body>\n<!--topic contents-->\n<!--games-->\n<!--rules-->\n<!--end-->\n</body></html>\n";

}  // namespace

TEST(HelpFile, ListsTheGamesByNameAndWritesOneTopicPerGameByNumber) {
    std::string out;
    std::vector<std::string> errors;
    ASSERT_TRUE(writeHelpFile(Template,
                              {game(3, "Spider", "Two decks.\nTen rows.\n\nWin."), game(1, "Free & <Easy>", ""),
                               game(8001, "Beyond", "Never shown.")},
                              out, errors));
    EXPECT_TRUE(errors.empty());
    const std::string expected = "<html><body>\n<!--topic contents-->\n<ul>\n"
                                 "<li>Beyond</li>\n"
                                 "<li><a href=\"#3001\">Free &amp; &lt;Easy&gt;</a></li>\n"
                                 "<li><a href=\"#3003\">Spider</a></li>\n</ul>\n"
                                 "<!--topic 3001-->\n<h1>Free &amp; &lt;Easy&gt;</h1>\n"
                                 "<p>The rules of this game have not been written down yet.</p>\n"
                                 "<p class=\"nav\"><a href=\"#contents\">Contents</a></p>\n"
                                 "<!--topic 3003-->\n<h1>Spider</h1>\n<p>Two decks. Ten rows.</p>\n<p>Win.</p>\n"
                                 "<p class=\"nav\"><a href=\"#contents\">Contents</a></p>\n<!--end-->\n</body></html>\n";
    EXPECT_EQ(out, expected);
}

TEST(HelpFile, ATemplateWithoutItsMarksIsRefused) {
    std::string out;
    std::vector<std::string> errors;
    EXPECT_FALSE(writeHelpFile("<html>\n<!--games--> and more\n</html>\n", {game(1, "A", "a")}, out, errors));
    EXPECT_EQ(errors, (std::vector<std::string>{"help template: no line '<!--games-->'",
                                                "help template: no line '<!--rules-->'"}));
}

TEST(HelpFile, EveryShippedGameHasItsRulesTopic) {
    std::ifstream in(std::string(VANTREL_PROGRAM_FOLDER) + "/pallmore.html");
    ASSERT_TRUE(in) << "the help file is built with GAMES.DAT";
    std::stringstream text;
    text << in.rdbuf();
    const std::string help = text.str();
    for (const char* topic : {"contents", "1000", "1019", "play", "autoplay"})
        EXPECT_NE(help.find(std::string("<!--topic ") + topic + "-->\n"), std::string::npos) << topic;
    int games = 0;
    for (const auto& e : std::filesystem::directory_iterator(VANTREL_GAMES_SOURCES)) {
        if (e.path().extension() != ".game") continue;
        std::ifstream source(e.path());
        std::stringstream s;
        s << source.rdbuf();
        GameSource g;
        std::vector<std::string> errors;
        ASSERT_TRUE(parseGameSource(s.str(), e.path().string(), g, errors)) << e.path();
        ++games;
        if (g.number >= FirstGameWithoutRules) continue;
        EXPECT_FALSE(ruleParagraphs(g.rules).empty()) << e.path() << " has no [rules] text";
        EXPECT_NE(help.find("<!--topic " + std::to_string(RulesTopicBase + g.number) + "-->"), std::string::npos)
            << e.path();
    }
    EXPECT_GE(games, 3);
}
