#include "shell/core/window_placement.h"

#include "shell/core/ini_store.h"
#include "shell/core/preference_keys.h"

namespace vantrel {

WindowPlacement ReadPlacement(const IniStore& prefs, int screenWidth, int screenHeight) {
    WindowPlacement p;
    p.left = static_cast<int>(prefs.getInt(pref::Preference, pref::MainWindowState_Left, 50));
    p.top = static_cast<int>(prefs.getInt(pref::Preference, pref::MainWindowState_Top, 50));
    p.width = static_cast<int>(prefs.getInt(pref::Preference, pref::MainWindowState_Width, screenWidth - 150));
    p.height = static_cast<int>(prefs.getInt(pref::Preference, pref::MainWindowState_Height, screenHeight - 150));
    p.maximized = prefs.getString(pref::Preference, pref::MainWindowState_Maximized, "Y") == "Y";
    return p;
}

void SavePlacement(IniStore& prefs, const WindowPlacement& p) {
    if (p.maximized) {
        prefs.putString(pref::Preference, pref::MainWindowState_Maximized, "Y");
        return;
    }
    prefs.putString(pref::Preference, pref::MainWindowState_Maximized, "N");
    prefs.putInt(pref::Preference, pref::MainWindowState_Left, p.left);
    prefs.putInt(pref::Preference, pref::MainWindowState_Top, p.top);
    prefs.putInt(pref::Preference, pref::MainWindowState_Width, p.width);
    prefs.putInt(pref::Preference, pref::MainWindowState_Height, p.height);
}

bool ConfirmQuitWanted(const IniStore& prefs) {
    return prefs.getString(pref::Preference, pref::ConfirmQuit, "N") != "N";
}

}  // namespace vantrel
