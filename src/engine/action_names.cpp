#include "engine/action_names.h"

#include <array>
#include <string>
#include <utility>

namespace vantrel {

namespace {
// The number after `prefix`, at most `maxDigits` digits; 0 when missing.
int numberAfter(std::string_view name, std::string_view prefix, size_t maxDigits) {
    const std::string_view digits = name.substr(prefix.size());
    if (digits.empty() || digits.size() > maxDigits) return 0;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

constexpr std::array<std::pair<std::string_view, ActionKind>, 13> PlainNames{{
    {"Waste", ActionKind::Waste},
    {"Stock02", ActionKind::Stock02},
    {"Mazzo", ActionKind::Mazzo},
    {"Mazzo_Vis", ActionKind::MazzoVis},
    {"Mazzo_Waste", ActionKind::MazzoWaste},
    {"Mazzo_Redeal", ActionKind::MazzoRedeal},
    {"Add_Tableaus", ActionKind::AddTableaus},
    {"Add_Tableaus_Last", ActionKind::AddTableausLast},
    {"Fill_Tableaus", ActionKind::FillTableaus},
    {"Add_Reserves", ActionKind::AddReserves},
    {"Selezionate_Dest", ActionKind::SelezionateDest},
    {"Selezionate_Fila", ActionKind::SelezionateFila},
    {"Stock_To_Pile_Monte_Carlo", ActionKind::MonteCarlo},
}};

struct Numbered {
    std::string_view prefix;
    ActionKind kind;
    size_t digits;
};
// Longer prefixes first: "Dest_Autoplay" before "Dest".
constexpr std::array<Numbered, 5> NumberedNames{{
    {"Dest_Autoplay", ActionKind::DestAutoplay, 2},
    {"Dest", ActionKind::Dest, 2},
    {"Fila", ActionKind::Fila, 2},
    {"Appogg", ActionKind::Appogg, 1},
    {"Add_Reserve_", ActionKind::AddReserve, 1},
}};
}  // namespace

Action parseAction(std::string_view name) {
    for (const auto& [text, kind] : PlainNames)
        if (name == text) return {kind, 0};
    for (const auto& p : NumberedNames) {
        if (!name.starts_with(p.prefix)) continue;
        const int n = numberAfter(name, p.prefix, p.digits);
        return n > 0 ? Action{p.kind, n} : Action{};
    }
    return {};
}

std::string actionName(const Action& action) {
    for (const auto& [text, kind] : PlainNames)
        if (action.kind == kind) return std::string(text);
    for (const auto& p : NumberedNames)
        if (action.kind == p.kind) return action.n > 0 ? std::string(p.prefix) + std::to_string(action.n) : "";
    return {};
}

bool carriesNumber(ActionKind kind) {
    for (const auto& p : NumberedNames)
        if (kind == p.kind) return true;
    return false;
}

bool isStockAction(ActionKind kind) {
    return kind == ActionKind::Mazzo || kind == ActionKind::MazzoVis || kind == ActionKind::MazzoWaste ||
           kind == ActionKind::MazzoRedeal;
}

}  // namespace vantrel
