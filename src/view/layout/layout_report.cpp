#include "view/layout/layout_report.h"

#include <algorithm>
#include <array>
#include <map>

#include "model/card_settings.h"
#include "model/game.h"
#include "model/text.h"
#include "view/layout/card_fan.h"
#include "view/layout/layout.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
bool parseNumber(std::string_view key, std::string_view value, int& out, std::string& error) {
    long long v = 0;
    if (!parseInteger(value, v) || v < -32768 || v > 32767) {
        error = "layout: " + std::string(key) + " must be a whole number, got \"" + std::string(value) + "\"";
        return false;
    }
    out = static_cast<int>(v);
    return true;
}

// Pile groups in report order, each with how many of its piles the game uses.
std::vector<PileRef> reportedPiles(const GameParams& p) {
    std::vector<PileRef> piles;
    for (int i = 0; i < StockPiles; ++i) piles.push_back({PileGroup::Stock, i});
    const std::array<std::pair<PileGroup, int>, 3> groups{{{PileGroup::Foundation, param::Foundations},
                                                           {PileGroup::Tableau, param::TableauRows},
                                                           {PileGroup::Reserve, param::Reserves}}};
    for (const auto& [group, countSlot] : groups) {
        const int count = std::min(p[countSlot], groupSize(group));
        for (int i = 0; i < count; ++i) piles.push_back({group, i});
    }
    return piles;
}
}  // namespace

bool parseLayoutOption(std::string_view text, LayoutArea& area, std::string& error) {
    static constexpr std::array<std::string_view, 8> Keys{"width", "height", "top",    "bottom",
                                                          "screen", "winh",  "shadow", "card"};
    std::map<std::string_view, std::string_view> values;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const size_t eq = item.find('=');
        const std::string_view key = item.substr(0, eq);
        if (eq == std::string_view::npos || std::find(Keys.begin(), Keys.end(), key) == Keys.end()) {
            error = "layout: unknown item \"" + std::string(item) + "\"";
            return false;
        }
        if (!values.emplace(key, item.substr(eq + 1)).second) {
            error = "layout: " + std::string(key) + " given twice";
            return false;
        }
    }
    for (std::string_view key : Keys) {
        if (!values.count(key)) {
            error = "layout: " + std::string(key) + " is missing";
            return false;
        }
    }
    LayoutArea a;
    const std::string_view screen = values["screen"];
    const size_t x = screen.find('x');
    if (x == std::string_view::npos) {
        error = "layout: screen must be WIDTHxHEIGHT, got \"" + std::string(screen) + "\"";
        return false;
    }
    const std::string_view card = values["card"];
    const std::optional<char> letter = cardSizeLetter(card);
    if (!letter) {
        error = "layout: card must be B, M or L, got \"" + std::string(card) + "\"";
        return false;
    }
    a.cardSize = *letter;
    if (!parseNumber("width", values["width"], a.width, error) ||
        !parseNumber("height", values["height"], a.height, error) ||
        !parseNumber("top", values["top"], a.top, error) ||
        !parseNumber("bottom", values["bottom"], a.bottom, error) ||
        !parseNumber("screen width", screen.substr(0, x), a.screenW, error) ||
        !parseNumber("screen height", screen.substr(x + 1), a.screenH, error) ||
        !parseNumber("winh", values["winh"], a.winH, error) ||
        !parseNumber("shadow", values["shadow"], a.shadow, error))
        return false;
    a.scrollPosition = 0;
    area = a;
    return true;
}

std::vector<std::string> layoutReport(const Game& game, const LayoutArea& requested) {
    LayoutArea area = requested;
    area.scrollPosition = 0;
    const LayoutInputs in = layoutInputs(game.params, area);
    PilePositions positions = game.positions;
    const LayoutResult result = Layout(in, positions);

    const std::vector<PileRef> piles = reportedPiles(game.params);
    std::vector<std::string> lines;
    for (const PileRef& ref : piles) {
        lines.push_back("pos " + pileName(ref) + " " + std::to_string(positions.x(ref.group, ref.entry)) + " " +
                        std::to_string(positions.y(ref.group, ref.entry)));
    }
    lines.push_back("fan " + std::to_string(result.fanRoomV) + " " + std::to_string(result.fanRoomH));

    const FanSteps steps =
        fanSteps(area.cardSize, game.params[param::TableauDisplay], game.params[param::ReserveDisplay]);
    const CardFanContext ctx{game.piles, game.cards, positions, game.params, steps, in.cardW, nullptr};
    for (const PileRef& ref : piles) {
        if (!positions.placed(ref.group, ref.entry)) continue;
        const int cards = cardCount(game.piles.pile(ref));
        for (int e = 0; e < cards; ++e) {
            const CardPoint p = cardPoint(ctx, ref, cards - e, true);
            lines.push_back("card " + pileName(ref) + " " + std::to_string(e) + " " + std::to_string(p.x) + " " +
                            std::to_string(p.y));
        }
    }
    return lines;
}

}  // namespace vantrel
