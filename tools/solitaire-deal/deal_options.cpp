#include "deal_options.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "model/game_number.h"
#include "model/text.h"
#include "view/layout/layout_report.h"

namespace solitaire_deal {

namespace {
// A handler stores the option's value; false with `error` set on a bad one.
using Handler = std::function<bool(Options&, const std::string& value, std::string& error)>;

struct OptionRow {
    std::string_view name;
    bool takesValue;
    bool required;
    Handler handle;
};

const std::vector<OptionRow>& optionTable() {
    static const std::vector<OptionRow> table{
        {"--games", true, true,
         [](Options& o, const std::string& v, std::string&) {
             o.gamesFile = v;
             return true;
         }},
        {"--game", true, true,
         [](Options& o, const std::string& v, std::string& error) {
             long n = 0;
             if (!vantrel::parseInt32(v, n) || n < 0 || v.find_first_not_of("0123456789") != std::string::npos) {
                 error = "--game needs a game number, got '" + v + "'";
                 return false;
             }
             o.game = static_cast<int>(n);
             return true;
         }},
        {"--deal", true, true,
         [](Options& o, const std::string& v, std::string& error) {
             const auto number = vantrel::normalizeGameNumber(v);
             if (v.empty() || !number) {
                 error = "--deal needs decimal digits only, got '" + v + "'";
                 return false;
             }
             o.dealNumber = *number;
             return true;
         }},
        {"--rules", false, false,
         [](Options& o, const std::string&, std::string&) {
             o.rules = true;
             return true;
         }},
        {"--layout", true, false,
         [](Options& o, const std::string& v, std::string& error) {
             vantrel::LayoutArea area;
             if (!vantrel::parseLayoutOption(v, area, error)) return false;
             o.layout = area;
             return true;
         }},
        {"--play", true, false,
         [](Options& o, const std::string& v, std::string&) {
             o.playScript = v;
             return true;
         }},
        {"--monkey", true, false,
         [](Options& o, const std::string& v, std::string& error) {
             long n = 0;
             if (!vantrel::parseInt32(v, n) || n <= 0) {
                 error = "--monkey needs a positive number of events, got '" + v + "'";
                 return false;
             }
             o.monkeyEvents = n;
             return true;
         }},
        {"--seed", true, false,
         [](Options& o, const std::string& v, std::string& error) {
             if (v.empty() || v.size() > 18 || v.find_first_not_of("0123456789") != std::string::npos) {
                 error = "--seed needs decimal digits, got '" + v + "'";
                 return false;
             }
             o.seed = std::stoull(v);
             return true;
         }},
    };
    return table;
}
}  // namespace

std::string usage() {
    return "usage: solitaire-deal --games FILE --game N --deal DIGITS [--rules]\n"
           "         [--layout width=W,height=H,top=T,bottom=B,screen=SWxSH,winh=WH,shadow=D,card=B|M|L\n"
           "           [--play SCRIPT]]\n"
           "       solitaire-deal --games FILE --monkey EVENTS [--seed S]";
}

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    std::vector<std::string_view> seen;
    for (size_t i = 0; i < args.size(); ++i) {
        const OptionRow* row = nullptr;
        for (const OptionRow& s : optionTable())
            if (args[i] == s.name) row = &s;
        if (!row) {
            error = "unknown argument '" + args[i] + "'";
            return std::nullopt;
        }
        std::string value;
        if (row->takesValue) {
            if (i + 1 >= args.size()) {
                error = std::string(row->name) + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!row->handle(options, value, error)) return std::nullopt;
        seen.push_back(row->name);
    }
    // The random player deals its own games.
    const bool monkey = options.monkeyEvents > 0;
    for (const OptionRow& s : optionTable()) {
        if (s.required && !(monkey && s.name != "--games") && std::find(seen.begin(), seen.end(), s.name) == seen.end()) {
            error = std::string(s.name) + " is missing";
            return std::nullopt;
        }
    }
    if (!options.playScript.empty() && !options.layout) {
        error = "--play needs --layout";
        return std::nullopt;
    }
    return options;
}

}  // namespace solitaire_deal
