#pragma once
// The time and score panels at the right end of the toolbar: which are
// shown and where. Pure arithmetic plus the show/hide commands; the main
// window supplies the measures and applies the result.
#include <string_view>

namespace vantrel {

class StateRecord;

struct TopBarMetrics {
    int windowWidth = 0;
    int toolbarTop = 0;      // of the visible toolbar panel (large or small)
    int toolbarHeight = 0;
    int toolbarWidth = 0;
    int lastButtonRight = 0; // right edge of the toolbar's last button (Exit)
    int timeWidth = 0, timeHeight = 0;    // `pnlTempo`
    int scoreWidth = 0, scoreHeight = 0;  // `pnlScore`
};

struct TopBarPlacement {
    int timeLeft = 0, timeTop = 0;
    int scoreLeft = 0, scoreTop = 0;
    bool timeVisible = false, scoreVisible = false;
    // The separator strips under the toolbar: `pnlLineaGrigia`, and
    // `pnlLineaNera` one pixel lower; both start at 0.
    int greyLineTop = 0, blackLineTop = 0, linesWidth = 0;
};

TopBarPlacement LayoutTopBar(const TopBarMetrics& m, bool showTime, bool showScore);

// What the show/hide commands need from the main window.
class TopBarHost {
public:
    virtual ~TopBarHost() = default;
    virtual TopBarMetrics topBarMetrics() const = 0;
    virtual void applyTopBar(const TopBarPlacement& placement) = 0;
    virtual void enableShowTimeCommand(bool enabled) = 0;   // toolbar pop-up "Show time"
    virtual void enableShowScoreCommand(bool enabled) = 0;  // toolbar pop-up "Show score"
    // [Preference] key of the preference file.
    virtual void writePreference(std::string_view key, std::string_view value) = 0;
};

// Lays the panels out from the state record's `Show_Time` and `Show_Score`.
void LayoutTopBar(const StateRecord& state, TopBarHost& host);
void ShowTime(StateRecord& state, TopBarHost& host, bool show, bool save);
void ShowScore(StateRecord& state, TopBarHost& host, bool show, bool save);

}  // namespace vantrel
