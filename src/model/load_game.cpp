#include "model/load_game.h"

#include "model/catalogue.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

std::string reducedSetNotice(std::string_view gameName) {
    return "Your video card runs at 640x480 pixels.\rFor best graphics display, screen resolution should be set to "
           "800x600 pixels or higher. However, it's possible to play " +
           std::string(gameName) + " using a predefined card and deck set.";
}

std::string noParametersText(int number, std::string_view gameName) {
    return "GAMES.DAT has no parameters for game " + std::to_string(number) + " (" + std::string(gameName) + ").";
}

bool LoadGame(Game& game, const Catalogue& catalogue, GameLoadHost& host) {
    const int number = game.gameNumber();
    const std::string name = gameNameByNumber(catalogue.gameList, number);
    // Without its column every parameter would read 0: nothing to deal.
    if (!catalogue.gamesFile.hasParameters(number)) {
        host.errorBox(noParametersText(number, name));
        return false;
    }
    std::string error;
    if (!catalogue.gamesFile.LoadGameParameters(number, game.params, error)) {
        host.errorBox(error);
        return false;
    }
    StateRecord& st = game.state;
    st.write(field::Game_name, name);  // the caption names what is loaded, never a stored guess
    const std::string sizeBefore = st.read(field::Card_Size);

    if (host.screenWidth() < 650 && game.params[param::WideTable] == 1) {
        if (sizeBefore == "B") {
            st.write(field::Saved_Card_Size, sizeBefore);
            st.write(field::Saved_Card, st.read(field::Card));
            st.write(field::Saved_Back_Card, st.read(field::Back_Card));
            st.write(field::Card, "003");
            st.write(field::Back_Card, "006");
            st.write(field::Card_Size, "M");
        } else {
            game.noticeState = NoticeDone;  // already reduced
        }
        host.enableCustomize(false);
        if (game.noticeState == NoticePending && !game.noticeShown) {
            game.noticeState = NoticeDone;
            game.noticeShown = true;
            host.infoBox(reducedSetNotice(st.read(field::Game_name)));
            host.repaintTable();
        }
    } else {
        if (!st.read(field::Saved_Card).empty()) {
            st.write(field::Card_Size, st.read(field::Saved_Card_Size));
            st.write(field::Card, st.read(field::Saved_Card));
            st.write(field::Back_Card, st.read(field::Saved_Back_Card));
            st.write(field::Saved_Card_Size, "");
            st.write(field::Saved_Card, "");
            st.write(field::Saved_Back_Card, "");
        }
        host.enableCustomize(true);
    }

    if (st.read(field::Card_Size) != sizeBefore) host.reloadCardImages();
    game.positions.markAllUnplaced();
    host.enableAutoplay(game.params[param::Autoplay] != 0);
    host.computeLayout();
    host.repaintTable();
    return true;
}

}  // namespace vantrel
