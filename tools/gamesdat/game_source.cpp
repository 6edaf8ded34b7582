#include "game_source.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <set>

#include "model/games_file.h"
#include "model/text.h"
#include "parameter_names.h"
#include "placement_check.h"
#include "view/layout/layout_warnings.h"

namespace gamesdat {

using vantrel::parseInteger;
using vantrel::trim;

namespace {

constexpr std::string_view WinnableDealKey = "winnable_deal";
constexpr std::string_view WinnableSecondsKey = "winnable_seconds";

// The key of a "key = value" line (the whole line, trimmed, without '=');
// `eq` is where the '=' stands, npos without one.
std::string_view lineKey(std::string_view line, size_t& eq) {
    eq = line.find('=');
    return trim(line.substr(0, std::min(eq, line.size())));
}

struct Target {
    int first = 0;  // parameter number
    int count = 0;
};

class LineParser {
public:
    LineParser(const std::string& file, int line, std::vector<std::string>& errors)
        : file_(file), line_(line), errors_(errors) {}

    bool fail(const std::string& message) {
        errors_.push_back(file_ + ":" + std::to_string(line_) + ": " + message);
        return false;
    }

    // "name", "name[i]", "name[a..b]", or a plain parameter number.
    bool target(std::string_view key, Target& t) {
        long long plain = 0;
        if (parseInteger(key, plain)) {
            if (plain < 0 || plain > 345) return fail("parameter number " + std::string(key) + " is outside 0-345");
            t = {static_cast<int>(plain), 1};
            return true;
        }
        const size_t open = key.find('[');
        const std::string_view base = trim(key.substr(0, open));
        const ParameterName* p = base == "param" ? nullptr : findParameterName(base);
        const bool numbered = base == "param";
        if (!p && !numbered) return fail("unknown parameter name '" + std::string(base) + "'");
        const int lowest = numbered ? 0 : 1;
        const int highest = numbered ? 345 : p->count;
        const int origin = numbered ? 0 : p->first - 1;
        if (open == std::string_view::npos) {
            if (numbered || p->count != 1) return fail("'" + std::string(base) + "' needs an index in brackets");
            t = {p->first, 1};
            return true;
        }
        if (key.back() != ']') return fail("missing ']' in '" + std::string(key) + "'");
        const std::string_view inside = key.substr(open + 1, key.size() - open - 2);
        const size_t dots = inside.find("..");
        long long a = 0, b = 0;
        if (dots == std::string_view::npos) {
            if (!parseInteger(inside, a)) return fail("index '" + std::string(inside) + "' is not a number");
            b = a;
        } else if (!parseInteger(inside.substr(0, dots), a) || !parseInteger(inside.substr(dots + 2), b)) {
            return fail("range '" + std::string(inside) + "' is not of the form a..b");
        }
        if (a < lowest || b > highest || a > b)
            return fail("index range " + std::string(inside) + " of '" + std::string(base) + "' is outside " +
                        std::to_string(lowest) + ".." + std::to_string(highest));
        t = {origin + static_cast<int>(a), static_cast<int>(b - a + 1)};
        return true;
    }

    bool values(std::string_view text, std::vector<int>& out) {
        size_t start = 0;
        while (start <= text.size()) {
            size_t comma = text.find(',', start);
            if (comma == std::string_view::npos) comma = text.size();
            const std::string_view item = trim(text.substr(start, comma - start));
            long long v = 0;
            if (!parseInteger(item, v)) return fail("'" + std::string(item) + "' is not an integer");
            if (v < INT16_MIN || v > INT16_MAX) return fail("value " + std::string(item) + " does not fit in 16 bits");
            out.push_back(static_cast<int>(v));
            start = comma + 1;
        }
        return true;
    }

private:
    const std::string& file_;
    int line_;
    std::vector<std::string>& errors_;
};

bool plainText(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 32 && u <= 207;
    });
}

// The lines after "[rules]", blank lines at both ends and trailing blanks
// dropped. Control characters would garble the help window.
std::string rulesText(const std::vector<std::string_view>& lines, size_t first, const std::string& file,
                      std::vector<std::string>& errors) {
    std::string text;
    bool blank = false;  // paragraphs part by exactly one blank line
    for (size_t i = first; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        if (std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 32 && c != '\t'; }))
            errors.push_back(file + ":" + std::to_string(i + 1) + ": the rules text holds a control character");
        // Read here, a field would only show in the help window.
        size_t eq = 0;
        const std::string_view key = lineKey(line, eq);
        if (eq != std::string_view::npos && (key == WinnableDealKey || key == WinnableSecondsKey))
            errors.push_back(file + ":" + std::to_string(i + 1) + ": " + std::string(key) + " belongs above [rules]");
        if (line.empty()) {
            blank = !text.empty();
            continue;
        }
        if (!text.empty()) text += blank ? "\n\n" : "\n";
        blank = false;
        text += line;
    }
    return text;
}

}  // namespace

std::vector<std::string> ruleParagraphs(std::string_view rules) {
    std::vector<std::string> paragraphs;
    bool open = false;
    for (std::string_view line : vantrel::splitLines(rules)) {
        line = trim(line);
        if (line.empty()) {
            open = false;
            continue;
        }
        if (!open) paragraphs.emplace_back();
        else paragraphs.back() += ' ';
        paragraphs.back() += line;
        open = true;
    }
    return paragraphs;
}

void checkCatalogue(const std::vector<GameSource>& games, std::vector<std::string>& errors) {
    std::map<int, const GameSource*> numbers;
    std::map<std::string, const GameSource*> names;
    for (const GameSource& g : games) {
        if (auto [it, fresh] = numbers.emplace(g.number, &g); !fresh)
            errors.push_back(g.file + ": game number " + std::to_string(g.number) + " is already used by " +
                             it->second->file);
        std::string key = g.name;
        std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
        if (auto [it, fresh] = names.emplace(key, &g); !fresh)
            errors.push_back(g.file + ": game name '" + g.name + "' is already used by " + it->second->file);
    }
}

bool parseGameSource(std::string_view text, const std::string& file, GameSource& out, std::vector<std::string>& errors) {
    const size_t errorsBefore = errors.size();
    out = GameSource{};
    out.file = file;
    const std::vector<std::string_view> lines = vantrel::splitLines(text);
    int lineNumber = 0;
    for (std::string_view line : lines) {
        ++lineNumber;
        LineParser p(file, lineNumber, errors);
        if (trim(line) == "[rules]") {
            out.rules = rulesText(lines, static_cast<size_t>(lineNumber), file, errors);
            break;
        }
        size_t eq = 0;
        const std::string_view key = lineKey(line, eq);
        if (key.empty() || key.front() == '#') continue;
        if (eq == std::string_view::npos) {
            p.fail("expected 'name = value'");
            continue;
        }
        std::string_view value = trim(line.substr(eq + 1));
        if (key == "name") {
            if (value.size() > 50) p.fail("game name longer than 50 characters");
            else if (!plainText(value)) p.fail("game name holds characters the data file cannot store");
            else out.name = std::string(value);
            continue;
        }
        const size_t hash = value.find('#');
        if (hash != std::string_view::npos) value = trim(value.substr(0, hash));
        if (key == WinnableDealKey) {
            if (value.size() != 13 || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
                p.fail("winnable_deal must be a deal number of 13 digits");
            else out.winnableDeal = std::string(value);
            continue;
        }
        if (key == WinnableSecondsKey) {
            long seconds = 0;
            if (!vantrel::parseInt32(value, seconds) || seconds < 1 || seconds > 3600)
                p.fail("winnable_seconds must be a number of seconds from 1 to 3600");
            else out.winnableSeconds = int(seconds);
            continue;
        }
        std::vector<int> values;
        if (!p.values(value, values)) continue;
        if (key == "number" || key == "type") {
            if (values.size() != 1 || values[0] < 0 || values[0] > 999) {
                p.fail(std::string(key) + " must be one number from 0 to 999");
                continue;
            }
            (key == "number" ? out.number : out.typeCode) = values[0];
            continue;
        }
        Target t;
        if (!p.target(key, t)) continue;
        if (values.size() != 1 && static_cast<int>(values.size()) != t.count) {
            p.fail(std::to_string(values.size()) + " values for " + std::to_string(t.count) + " parameters");
            continue;
        }
        for (int i = 0; i < t.count; ++i) {
            out.values[t.first + i] = values.size() == 1 ? values[0] : values[static_cast<size_t>(i)];
            out.valueLine[t.first + i] = lineNumber;
        }
    }
    if (out.number < 0) errors.push_back(file + ": no game number ('number = N')");
    if (out.name.empty()) errors.push_back(file + ": no game name ('name = ...')");
    return errors.size() == errorsBefore;
}

namespace {
int valueOf(const GameSource& g, int n) {
    const auto it = g.values.find(n);
    return it == g.values.end() ? 0 : it->second;
}

// Cards the deal places besides the rows dealt by count.
int cardsOutsideRows(const GameSource& g) {
    int total = 0;
    const int foundations = std::clamp(valueOf(g, 261), 0, 16);
    for (int j = 0; j < foundations; ++j) {
        const int code = valueOf(g, 84 + j);
        if (code != 0 && code != 92 && code != 96) ++total;
    }
    if (valueOf(g, 246) != 0) ++total;
    total += valueOf(g, 266) + valueOf(g, 267) + valueOf(g, 320);
    for (int l = 0; l < 8; ++l) total += std::max(valueOf(g, 321 + l), 0);
    if (valueOf(g, 1) == 1) ++total;
    if (valueOf(g, 10) == 1) ++total;
    return total;
}
}  // namespace

void checkGame(const GameSource& g, std::vector<std::string>& errors, std::vector<std::string>& warnings) {
    vantrel::GameParams params;
    for (const auto& [n, v] : g.values) params.set(n, v);
    for (const std::string& w : vantrel::layoutWarnings(params)) warnings.push_back(g.file + ": " + w);
    auto fail = [&](int parameter, const std::string& message) {
        const auto it = g.valueLine.find(parameter);
        const std::string where = it == g.valueLine.end() ? g.file : g.file + ":" + std::to_string(it->second);
        errors.push_back(where + ": " + message);
    };
    const struct {
        int parameter;
        int limit;
        const char* what;
    } counts[] = {{261, 16, "foundations"}, {262, 26, "tableau rows"}, {263, 8, "reserves"}};
    for (const auto& c : counts) {
        const int v = valueOf(g, c.parameter);
        if (v < 0 || v > c.limit)
            fail(c.parameter, std::to_string(v) + " " + c.what + " (at most " + std::to_string(c.limit) + ")");
    }
    for (const PlacementProblem& p : placementProblems(g.values)) {
        if (p.refused) {
            fail(p.parameter, p.message);
            continue;
        }
        const auto it = g.valueLine.find(p.parameter);
        warnings.push_back(g.file + (it == g.valueLine.end() ? "" : ":" + std::to_string(it->second)) + ": " + p.message);
    }
    const int deck = valueOf(g, 265);
    if (deck != 52 && deck != 104) {
        fail(265, "deck size " + std::to_string(deck) + " (must be 52 or 104)");
        return;
    }
    int rows = 0;
    for (int k = 0; k < 26; ++k) {
        const int n = valueOf(g, 268 + k);
        rows += n > 1000 ? 1 : std::max(n, 0);
    }
    const int mode = valueOf(g, 26);
    const int placed = cardsOutsideRows(g);
    if (mode == 2 || mode == 4) {
        if (rows > 0) fail(26, "special deal mode " + std::to_string(mode) +
                                   " deals the rows itself; no cards may be dealt to the rows by count");
        if (placed >= deck)
            fail(26, std::to_string(placed) + " cards dealt before the rows leave none for special deal mode " +
                         std::to_string(mode));
    } else if (placed + rows != deck) {
        fail(265, "the deal places " + std::to_string(placed + rows) + " cards but the deck holds " +
                      std::to_string(deck));
    }
}

std::string writeGamesDat(const std::vector<GameSource>& games) {
    std::vector<const GameSource*> sorted;
    for (const auto& g : games) sorted.push_back(&g);
    std::sort(sorted.begin(), sorted.end(), [](auto* a, auto* b) { return a->number < b->number; });

    std::string out = "[Sect1]\r\n";
    for (const GameSource* g : sorted) {
        char head[16];
        std::snprintf(head, sizeof head, "%03d %03d0  ", g->typeCode, g->number);
        std::string line = head + g->name;
        line.resize(60, ' ');
        out += vantrel::scramble(line) + "\r\n";
    }

    out += "[Sect2]\r\n";
    const int columns = sorted.empty() ? 0 : sorted.back()->number + 1;
    std::set<int> used;
    for (const GameSource* g : sorted)
        for (const auto& [n, v] : g->values)
            if (v != 0) used.insert(n);
    for (int n : used) {
        char head[20];
        std::snprintf(head, sizeof head, "%4d%-12s", n, " ");
        std::string line = head;
        std::vector<int> column(static_cast<size_t>(columns), 0);
        for (const GameSource* g : sorted) column[static_cast<size_t>(g->number)] = valueOf(*g, n);
        for (int v : column) {
            std::string cell = std::to_string(v);
            cell.resize(10, ' ');
            line += vantrel::scramble(cell) + "|";
        }
        out += line + "\r\n";
    }
    return out;
}

}  // namespace gamesdat
