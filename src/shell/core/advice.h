#pragma once
// The advice message box that the user can silence for good: one key of
// the preference file's [Show_Messages] section per message.
#include <string_view>

namespace vantrel {

class IniStore;

// Pages of the advice box's small picture.
enum class AdvicePage { Color = 0, Resolution = 1 };

class AdviceDialog {
public:
    virtual ~AdviceDialog() = default;
    // Shows the box modally; true when "Don't show again" was checked.
    virtual bool run(std::string_view text, AdvicePage page) = 0;
};

// Shows the advice unless its key says "N"; a checked box writes "N".
void ShowAdvice(IniStore& prefs, AdviceDialog& dialog, std::string_view text, std::string_view key, AdvicePage page);

}  // namespace vantrel
