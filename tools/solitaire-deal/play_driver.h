#pragma once
// solitaire-deal --play: a dealt game played by a script of pointer events,
// with the table printed after each event.
#include <istream>
#include <ostream>
#include <string>

#include "engine/pointer_feedback.h"
#include "view/layout/layout_inputs.h"

namespace vantrel {
struct Game;
}

namespace solitaire_deal {

// Lays the dealt table out in `area` and sets the state every script
// starts from (no animation, every sound on); the geometry of the pointer.
vantrel::TableGeometry prepareScriptTable(vantrel::Game& game, const vantrel::LayoutArea& area);

// Plays `script` on the dealt `game`, laid out in `area`. Returns 0, or 2
// after a malformed line (reported on `err` with its line number).
int playScript(vantrel::Game& game, const vantrel::LayoutArea& area, std::istream& script,
               const std::string& scriptName, std::ostream& out, std::ostream& err);

}  // namespace solitaire_deal
