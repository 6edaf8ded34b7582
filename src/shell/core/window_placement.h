#pragma once
// Where the main window was left, kept in the preference file.
#include <vector>

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

// The part of the desktop a window may use on one screen.
struct ScreenArea {
    int left = 0, top = 0, width = 0, height = 0;
};

// The stored bounds when most of the window (more than half its area) lies
// on one of `screens`; otherwise the default bounds for a screen of
// `screenWidth` x `screenHeight`, so a window is never opened out of sight.
WindowPlacement PlacementOnScreens(const WindowPlacement& stored, const std::vector<ScreenArea>& screens,
                                   int screenWidth, int screenHeight);

// Maximized writes "Y" alone, so the bounds of the last normal state stay;
// otherwise "N" and the four bounds.
void SavePlacement(IniStore& prefs, const WindowPlacement& placement);

// The close request asks "Exit Vantrel?" unless `ConfirmQuit` is "N".
bool ConfirmQuitWanted(const IniStore& prefs);

}  // namespace vantrel
