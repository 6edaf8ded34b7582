#pragma once
// A text picture of a dealt table's layout, for the headless deal tool and
// for tests: pile positions, fan room and the place of every card.
#include <string>
#include <string_view>
#include <vector>

#include "view/layout/layout_inputs.h"

namespace vantrel {

struct Game;

// Reads "width=W,height=H,top=T,bottom=B,screen=SWxSH,winh=WH,shadow=D,card=B|M|L"
// (every key once, any order). On failure `error` says which part is wrong
// and `area` is left unchanged.
bool parseLayoutOption(std::string_view text, LayoutArea& area, std::string& error);

// Lays the game out with `area` (scroll position 0, untidy piles off) on a
// copy of its positions and returns, in this order:
//   pos <pile name> <x> <y>      stock slots 0-2, foundations 1..(261),
//                                rows 1..(262), reserves 1..(263)
//   fan <vertical fan room> <horizontal fan room>
//   card <pile name> <e> <x> <y> every card of every placed pile, e from 0
//                                at the bottom
std::vector<std::string> layoutReport(const Game& game, const LayoutArea& area);

}  // namespace vantrel
