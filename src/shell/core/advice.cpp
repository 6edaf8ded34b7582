#include "shell/core/advice.h"

#include "shell/core/ini_store.h"
#include "shell/core/preference_keys.h"

namespace vantrel {

void ShowAdvice(IniStore& prefs, AdviceDialog& dialog, std::string_view text, std::string_view key, AdvicePage page) {
    if (prefs.getString(pref::ShowMessages, key, "Y") == "N") return;
    if (dialog.run(text, page)) prefs.putString(pref::ShowMessages, key, "N");
}

}  // namespace vantrel
