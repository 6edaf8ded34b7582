#include "shell/core/select_game.h"

#include "model/game.h"
#include "model/param_ids.h"
#include "shell/core/ini_store.h"
#include "shell/core/preference_keys.h"

namespace vantrel {

namespace {

struct BusyCursor {
    explicit BusyCursor(SelectGameHost& host) : host_(host) { host_.setBusyCursor(true); }
    ~BusyCursor() { host_.setBusyCursor(false); }
    SelectGameHost& host_;
};

}  // namespace

bool SelectGame(Game& game, IniStore& prefs, SelectGameHost& host, int number, std::string_view name,
                std::string_view player) {
    BusyCursor busy(host);
    StateRecord& st = game.state;
    const bool gameChanged = number != game.gameNumber();
    const bool playerChanged = !player.empty() && player != st.read(field::UserDefault);
    if (!(gameChanged || playerChanged || !game.inProgress) || !host.confirmAbandonGame()) return false;
    host.endGame();
    if (playerChanged) {
        st.write(field::UserDefault, player);
        prefs.putString(pref::Preference, pref::UserDefault, player);
        host.refreshCaption();
    }
    if (gameChanged || game.noticeState == NoticeAfterStartup) game.noticeState = NoticePending;
    const std::string before = st.read(field::Game), beforeName = st.read(field::Game_name);
    st.write(field::Game, std::to_string(number));
    st.write(field::Game_name, name);
    if (!host.gameCommandsEnabled()) host.enableGameCommands(true);
    // Nothing loaded yet (the first choice after start-up) counts as a change.
    if ((gameChanged || game.params[param::DeckSize] == 0) && !host.loadGame()) {
        // The parameters still hold the game loaded before: it stays the current one.
        st.write(field::Game, before);
        st.write(field::Game_name, beforeName);
        return false;
    }
    host.newDeal();
    return true;
}

}  // namespace vantrel
