#pragma once
// Texts the window shows that follow a rule: the caption and the program
// names put into form texts.
#include <string>
#include <string_view>

namespace vantrel {

class StateRecord;

inline constexpr std::string_view ProgramTitle = "Vantrel";
inline constexpr std::string_view ProgramSwName = "Pallmore 2000";

// "Vantrel [game name]", then "  [deal number]" when there is one.
std::string WindowCaption(const StateRecord& state);

// The first "[Program]" becomes the program's name, then the first
// "[Program_sw]" the other name; later occurrences stay.
std::string FillPlaceholders(std::string_view text);

}  // namespace vantrel
