#include "shell/core/preference_loader.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "model/card_settings.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "shell/core/advice.h"
#include "shell/core/housekeeping.h"
#include "shell/core/program_folders.h"
#include "shell/core/ini_store.h"
#include "shell/core/ini_writer.h"
#include "shell/core/path_helper.h"
#include "shell/core/preference_keys.h"

namespace vantrel {

namespace {

class Reader {
public:
    Reader(StateRecord& state, IniStore& prefs) : state_(state), prefs_(prefs) {}

    std::string text(std::string_view key, std::string_view fallback) const {
        return prefs_.getString(pref::Preference, key, fallback);
    }
    // Only "Y" and "N" are flags; anything else is unusable and gives the
    // default.
    std::string flag(std::string_view key, std::string_view fallback) const {
        std::string v = text(key, fallback);
        return (v == "Y" || v == "N") ? v : std::string(fallback);
    }
    void flag(std::string_view key, Field f, std::string_view fallback) { state_.write(f, flag(key, fallback)); }

    // A number that does not fit its field (or is below `minimum`) is
    // unusable and gives the default; `digits` > 0 zero-pads to that width.
    void number(std::string_view key, Field f, long fallback, long minimum, int digits = 0) {
        long v = prefs_.getInt(pref::Preference, key, fallback);
        std::string s = format(v, digits);
        if (v < minimum || static_cast<int>(s.size()) > f.len) s = format(fallback, digits);
        state_.write(f, s);
    }

private:
    static std::string format(long v, int digits) {
        if (digits <= 0) return std::to_string(v);
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%0*ld", digits, v);
        return buffer;
    }
    StateRecord& state_;
    IniStore& prefs_;
};

struct FlagKey {
    std::string_view key;
    Field field;
};

// Per-event sound switches, all "Y" by default, in the order read.
constexpr FlagKey SoundSwitches[] = {
    {"Sounds_About", field::Sounds_About},         {"Sounds_Autoplay", field::Sounds_Autoplay},
    {"Sounds_CardDown", field::Sounds_CardDown},   {"Sounds_CardUp", field::Sounds_CardUp},
    {"Sounds_FaceUp", field::Sounds_FaceUp},       {"Sounds_GameWon", field::Sounds_GameWon},
    {"Sounds_NewGame", field::Sounds_NewGame},     {"Sounds_Pairing", field::Sounds_Pairing},
    {"Sounds_Redeal", field::Sounds_Redeal},       {"Sounds_Shuffle", field::Sounds_Shuffle},
    {"Sounds_Stock", field::Sounds_Stock},         {"Sounds_Foundation", field::Sounds_Foundation},
    {"Sounds_Tableau", field::Sounds_Tableau},
};

void readPreferenceKeys(StateRecord& st, IniStore& prefs, PreferenceHost& host) {
    Reader r(st, prefs);
    r.flag("Show_ToolTips", field::Show_ToolTips, "Y");
    host.applyToolbarLarge(r.flag("ToolBar_Large", "N") == "Y");
    host.applyToolbarFlat(r.flag("ToolBar_Flat", "Y") == "Y");
    if (host.lowColourDisplay())
        ShowAdvice(prefs, host.adviceDialog(), pref::LowColourAdvice, pref::LowColourAdviceKey, AdvicePage::Color);

    r.number("Back_Card", field::Back_Card, 11, 0, 3);
    r.number("Card", field::Card, host.lowColourDisplay() ? 3 : 1, 0, 3);
    std::string size = r.text("Card_Size", "B");
    if (!cardSizeLetter(size)) size = "B";  // no pictures for any other size
    st.write(field::Card_Size, size);
    if (size != "B") st.write(field::Back_Card, "006");

    long picture = 0;
    if (!parseLeadingInt(r.text("Background_bmp", ""), picture) || picture < 0 || picture > 9999) picture = 0;
    st.write(field::Background_bmp, picture);
    r.number("Background_Fixed_Col", field::Background_Fixed_Col, 32768, -2147483647L - 1);
    r.number("Background_Col", field::Background_Col, pref::DefaultBackgroundColour, -2147483647L - 1);
    r.flag("Background_def", field::Background_def, "N");
    r.flag("Fade_Background", field::Fade_Background, "Y");
    st.write(field::Customized_Background, r.text("Customized_Background", "").empty() ? "N" : "Y");

    r.number("Game", field::Game, 1, -999, 4);
    st.write(field::Game_name, r.text("Game_name", "FreeCell"));
    r.flag("Show_Time", field::Show_Time, "Y");
    r.flag("Show_Score", field::Show_Score, "Y");
    r.flag("Cards_Animate", field::Cards_Animate, "Y");
    r.flag("Cards_Shadowed", field::Cards_Shadowed, st.read(field::Cards_Animate));
    r.flag("Piles_TT", field::Piles_TT, "N");
    r.flag("Automatic_FaceUp", field::Automatic_FaceUp, "Y");
    st.write(field::Automatic_FaceUp, "N");  // cards are never turned up on their own
    r.flag("Deal_Animation", field::Deal_Animation, "Y");
    r.flag("Redeal_Animation", field::Redeal_Animation, "Y");
    r.number("Language", field::Language, 20000, 0);
    r.number("Speed_Move_Card", field::Speed_Move_Card, 10, 0);
    r.flag("StatusBar", field::StatusBar, "N");
    st.write(field::UserDefault, r.text("UserDefault", ""));
    r.flag("Winning_Animation", field::Winning_Animation, "Y");
    r.flag("ConfirmQuitGame", field::ConfirmQuitGame, "Y");
    r.flag("Sounds_Enabled", field::Sounds_Enabled, "Y");
    for (const FlagKey& k : SoundSwitches) r.flag(k.key, k.field, "Y");
}

void writeDefaultPlayers(StateRecord& st, IniStore& prefs) {
    // One replace of the file for both sections: each is a synced write.
    prefs.putSections({{std::string(pref::Preference), {{std::string(pref::UserDefault), "Player 1"}}},
                       {std::string(pref::Users),
                        {{"User001", "Player 1"}, {"User002", "Player 2"}, {"User003", "Player 3"}}}});
    st.write(field::UserDefault, "Player 1");
}

std::string noGamesText(std::string_view path) {
    return "GAMES.DAT holds no games:\r" + std::string(path) +
           "\rCopy the file into the directory that above is specified\ror reinstall the program.";
}

bool loadGameList(Game& game, Catalogue& catalogue, PreferenceHost& host) {
    const std::string path = programPath(game.state, "GAMES.DAT");
    if (!host.requireFile(path)) return false;
    std::string error;
    if (!catalogue.gamesFile.load(path, error)) {
        host.errorBox(error);
        return false;
    }
    std::vector<std::string> problems;
    catalogue.gameList = catalogue.gamesFile.LoadGameList(&problems);
    if (catalogue.gameList.empty()) {
        // Nothing could be played: as fatal as a missing file.
        host.errorBox(noGamesText(path));
        return false;
    }
    if (!problems.empty()) {
        std::string text = "Some games of the game list cannot be offered:";
        for (size_t i = 0; i < problems.size() && i < 10; ++i) text += "\r" + problems[i];
        if (problems.size() > 10) text += "\r(" + std::to_string(problems.size() - 10) + " more)";
        host.infoBox(text);
    }
    return true;
}

}  // namespace

bool SplashSoundWanted(const IniStore& prefs) {
    return prefs.getString(pref::Preference, pref::Sounds_Enabled, "Y") == "Y" &&
           prefs.getString(pref::Preference, pref::Sounds_Splash, "Y") == "Y";
}

bool LoadPreferences(Game& game, Catalogue& catalogue, IniStore& prefs, PreferenceHost& host) {
    StateRecord& st = game.state;
    host.prepareWindow();
    game.inProgress = false;
    game.won = false;

    std::error_code ec;
    std::filesystem::create_directory(userPath(st, "DATA"), ec);  // a failure is ignored

    readPreferenceKeys(st, prefs, host);
    st.write(field::Scoring_System, "01");
    st.write(field::Cursor_Base, "0");

    if (st.readInt(field::Back_Card) == 0) st.write(field::Back_Card, "001");
    if (st.readInt(field::Background_Col) == 0) st.write(field::Background_Col, pref::DefaultBackgroundColour);
    if (st.read(field::Background_bmp).empty()) st.write(field::Background_bmp, "0");

    host.applyShowTime(st.flag(field::Show_Time));
    host.applyShowScore(st.flag(field::Show_Score));
    if (st.read(field::UserDefault).empty()) writeDefaultPlayers(st, prefs);

    game.noticeState = NoticeAfterStartup;
    host.setAutoplay(prefs.getString(pref::Preference, pref::AutoPlay, "Y") == "Y");
    host.showStatusBar(st.read(field::StatusBar) != "N");

    game.cards = CardTable();
    game.piles.clearAll();
    if (!loadGameList(game, catalogue, host)) return false;

    // The stored name only echoes the stored number; the list says what
    // that game is called.
    const int stored = game.gameNumber();
    const std::string listed = stored >= 0 ? gameNameByNumber(catalogue.gameList, stored) : std::string();
    if (stored >= 0 && listed.empty()) st.write(field::Game, "-001");
    st.write(field::Game_name, listed);
    host.loadCardPictures();

    const std::string folder = userFolder(st);
    WriteVersionMarker(folder);
    CleanUpOldFiles(folder);
    removeLeftoverTemporaries(userPath(st, st.read(field::Config_File)));
    game.noticeShown = false;
    return true;
}

}  // namespace vantrel
