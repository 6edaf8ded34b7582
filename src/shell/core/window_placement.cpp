#include "shell/core/window_placement.h"

#include "shell/core/ini_store.h"
#include "shell/core/preference_keys.h"

#include <algorithm>
#include <string>

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

namespace {
long long overlap(long long a, long long aLength, long long b, long long bLength) {
    return std::max(0LL, std::min(a + aLength, b + bLength) - std::max(a, b));
}
}  // namespace

WindowPlacement PlacementOnScreens(const WindowPlacement& stored, const std::vector<ScreenArea>& screens,
                                   int screenWidth, int screenHeight) {
    const long long area = static_cast<long long>(stored.width) * stored.height;
    if (stored.width > 0 && stored.height > 0)
        for (const ScreenArea& s : screens) {
            const long long shared = overlap(stored.left, stored.width, s.left, s.width) *
                                     overlap(stored.top, stored.height, s.top, s.height);
            if (2 * shared > area) return stored;
        }
    WindowPlacement p{50, 50, screenWidth - 150, screenHeight - 150, stored.maximized};
    return p;
}

void SavePlacement(IniStore& prefs, const WindowPlacement& p) {
    if (p.maximized) {
        prefs.putString(pref::Preference, pref::MainWindowState_Maximized, "Y");
        return;
    }
    // Together, so a kill never stores a new position with an old size.
    prefs.putStrings(pref::Preference, {{std::string(pref::MainWindowState_Maximized), "N"},
                                        {std::string(pref::MainWindowState_Left), std::to_string(p.left)},
                                        {std::string(pref::MainWindowState_Top), std::to_string(p.top)},
                                        {std::string(pref::MainWindowState_Width), std::to_string(p.width)},
                                        {std::string(pref::MainWindowState_Height), std::to_string(p.height)}});
}

bool ConfirmQuitWanted(const IniStore& prefs) {
    return prefs.getString(pref::Preference, pref::ConfirmQuit, "N") != "N";
}

}  // namespace vantrel
