#include "help_file.h"

#include <algorithm>

namespace gamesdat {

namespace {

constexpr std::string_view GamesMark = "<!--games-->";
constexpr std::string_view RulesMark = "<!--rules-->";

bool hasRules(const GameSource& g) { return g.number < FirstGameWithoutRules; }
std::string topicName(const GameSource& g) { return std::to_string(RulesTopicBase + g.number); }

std::string gameList(std::vector<const GameSource*> games) {
    std::string out = "<ul>\n";
    for (const GameSource* g : games) {
        const std::string name = escapeHtml(g->name);
        out += hasRules(*g) ? "<li><a href=\"#" + topicName(*g) + "\">" + name + "</a></li>\n" : "<li>" + name + "</li>\n";
    }
    return out + "</ul>";
}

std::string rulesTopic(const GameSource& g) {
    std::string out = "<!--topic " + topicName(g) + "-->\n<h1>" + escapeHtml(g.name) + "</h1>\n";
    const std::vector<std::string> paragraphs = ruleParagraphs(g.rules);
    if (paragraphs.empty()) out += "<p>The rules of this game have not been written down yet.</p>\n";
    for (const std::string& p : paragraphs) out += "<p>" + escapeHtml(p) + "</p>\n";
    return out + "<p class=\"nav\"><a href=\"#contents\">Contents</a></p>";
}

// Replaces the line that holds only `mark`; false when there is none.
bool replaceMark(std::string& text, std::string_view mark, const std::string& with) {
    size_t at = 0;
    while ((at = text.find(mark, at)) != std::string::npos) {
        const bool lineStart = at == 0 || text[at - 1] == '\n';
        const size_t end = at + mark.size();
        const bool lineEnd = end == text.size() || text[end] == '\n' || text[end] == '\r';
        if (lineStart && lineEnd) {
            text.replace(at, mark.size(), with);
            return true;
        }
        at = end;
    }
    return false;
}

}  // namespace

std::string escapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

bool writeHelpFile(std::string_view templ, const std::vector<GameSource>& games, std::string& out,
                   std::vector<std::string>& errors) {
    std::vector<const GameSource*> byName;
    for (const GameSource& g : games) byName.push_back(&g);
    // As the game chooser lists them: by name, then by number.
    std::sort(byName.begin(), byName.end(), [](const GameSource* a, const GameSource* b) {
        return a->name != b->name ? a->name < b->name : a->number < b->number;
    });
    std::vector<const GameSource*> byNumber = byName;
    std::sort(byNumber.begin(), byNumber.end(), [](auto* a, auto* b) { return a->number < b->number; });
    std::string topics;
    for (const GameSource* g : byNumber)
        if (hasRules(*g)) topics += (topics.empty() ? "" : "\n") + rulesTopic(*g);

    out = std::string(templ);
    bool ok = true;
    for (auto [mark, with] : {std::pair{GamesMark, gameList(byName)}, std::pair{RulesMark, topics}})
        if (!replaceMark(out, mark, with)) {
            errors.push_back("help template: no line '" + std::string(mark) + "'");
            ok = false;
        }
    return ok;
}

}  // namespace gamesdat
