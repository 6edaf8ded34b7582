#include "shell/core/texts.h"

#include "model/state_record.h"

namespace vantrel {

std::string WindowCaption(const StateRecord& state) {
    std::string caption = std::string(ProgramTitle) + " [" + state.read(field::Game_name).substr(0, 50) + "]";
    const std::string number = state.read(field::Deal_Number);
    if (!number.empty()) caption += "  [" + number + "]";
    return caption;
}

namespace {
void replaceFirst(std::string& text, std::string_view what, std::string_view with) {
    const size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
}
}  // namespace

std::string FillPlaceholders(std::string_view text) {
    std::string result(text);
    replaceFirst(result, "[Program]", ProgramTitle);
    replaceFirst(result, "[Program_sw]", ProgramSwName);
    return result;
}

}  // namespace vantrel
