#pragma once
// Start-up: the preference file into the state record, the game list, and
// the housekeeping of the program folder.
#include <string>
#include <string_view>

namespace vantrel {

struct Catalogue;
struct Game;
class IniStore;
class AdviceDialog;

// What the loader needs from the main window.
class PreferenceHost {
public:
    virtual ~PreferenceHost() = default;
    // Title, hidden commands, game flags and help file: the window's own
    // part before anything is read.
    virtual void prepareWindow() = 0;
    virtual void applyToolbarLarge(bool large) = 0;  // not saved
    virtual void applyToolbarFlat(bool flat) = 0;    // not saved
    virtual bool lowColourDisplay() const = 0;       // 256 colours or fewer
    virtual AdviceDialog& adviceDialog() = 0;
    virtual void applyShowTime(bool show) = 0;   // not saved
    virtual void applyShowScore(bool show) = 0;  // not saved
    virtual void setAutoplay(bool on) = 0;
    virtual void showStatusBar(bool show) = 0;
    // False when the file is missing (the program then ends).
    virtual bool requireFile(const std::string& path) = 0;
    virtual void errorBox(std::string_view text) = 0;
    virtual void infoBox(std::string_view text) = 0;
    virtual void loadCardPictures() = 0;
};

// The splash sound plays when `Sounds_Enabled` and `Sounds_Splash` are
// both "Y" in the file (the state record is not filled yet).
bool SplashSoundWanted(const IniStore& prefs);

// Runs the loader in its order. False when GAMES.DAT is missing or cannot
// be read; the program cannot go on then.
bool LoadPreferences(Game& game, Catalogue& catalogue, IniStore& prefs, PreferenceHost& host);

}  // namespace vantrel
