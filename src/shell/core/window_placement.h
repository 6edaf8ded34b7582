#pragma once
// Where the main window was left, kept in the preference file.
namespace vantrel {

class IniStore;

struct WindowPlacement {
    int left = 50;
    int top = 50;
    int width = 0;
    int height = 0;
    bool maximized = true;
    bool operator==(const WindowPlacement&) const = default;
};

// Defaults: 50, 50, screen width - 150, screen height - 150, maximized.
WindowPlacement ReadPlacement(const IniStore& prefs, int screenWidth, int screenHeight);

// Maximized writes "Y" alone, so the bounds of the last normal state stay;
// otherwise "N" and the four bounds.
void SavePlacement(IniStore& prefs, const WindowPlacement& placement);

// The close request asks "Exit Vantrel?" unless `ConfirmQuit` is "N".
bool ConfirmQuitWanted(const IniStore& prefs);

}  // namespace vantrel
