#include "parameter_names.h"

namespace gamesdat {

namespace {
constexpr ParameterName Names[] = {
    {"first_foundation_sets_base", 1, 1},
    {"run_check_mode", 2, 1},
    {"tableau_display", 3, 1},
    {"foundation_display", 4, 1},
    {"reserve_display", 5, 1},
    {"stock_face", 6, 1},
    {"has_stock", 7, 1},
    {"has_waste", 8, 1},
    {"deal_to_first_foundation", 10, 1},
    {"run_size_mode", 11, 1},
    {"reserve_pickup", 12, 1},
    {"stock_passes", 13, 1},
    {"waste_redeal", 14, 1},
    {"deal_to_empty_waste_only", 15, 1},
    {"foundation_pickup", 16, 1},
    {"autoplay", 17, 1},
    {"stock_turn", 19, 1},
    {"tableau_autofill", 20, 1},
    {"sweep_order", 21, 1},
    {"foundation_capacity", 25, 1},
    {"special_deal", 26, 1},
    {"wide_table", 29, 1},
    {"pair_sum", 30, 1},
    {"first_move_to_foundation", 31, 1},
    {"fill_after_first_move", 32, 1},
    {"foundation_credit", 33, 1},
    {"family", 35, 1},
    {"foundation_base", 36, 16},
    {"foundation_direction", 52, 16},
    {"foundation_rule", 68, 16},
    {"foundation_start", 84, 16},
    {"tableau_base", 100, 26},
    {"tableau_direction", 126, 26},
    {"tableau_rule", 152, 26},
    {"tableau_wrap", 178, 26},
    {"reserve_type", 230, 8},
    {"reserve_mode", 238, 8},
    {"second_waste_start", 246, 1},
    {"waste_drop", 247, 1},
    {"waste_no_drop", 248, 1},
    {"stock_arrangement", 249, 1},
    {"stock_row", 250, 1},
    {"foundation_arrangement", 251, 1},
    {"foundation_row", 252, 1},
    {"tableau_arrangement", 253, 1},
    {"tableau_row", 254, 1},
    {"tableau_table_rows", 255, 1},
    {"reserve_arrangement", 256, 1},
    {"reserve_row", 257, 1},
    {"second_waste_arrangement", 258, 1},
    {"second_waste_row", 259, 1},
    {"stock_piles", 260, 1},
    {"foundations", 261, 1},
    {"tableau_rows", 262, 1},
    {"reserves", 263, 1},
    {"second_waste", 264, 1},
    {"deck_size", 265, 1},
    {"stock_cards", 266, 1},
    {"waste_cards", 267, 1},
    {"tableau_deal", 268, 26},
    {"tableau_face", 294, 26},
    {"second_waste_cards", 320, 1},
    {"reserve_deal", 321, 8},
    {"reserve_face", 329, 8},
};
}  // namespace

const ParameterName* findParameterName(std::string_view name) {
    for (const auto& n : Names)
        if (n.name == name) return &n;
    return nullptr;
}

}  // namespace gamesdat
