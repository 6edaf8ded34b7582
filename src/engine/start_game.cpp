#include "engine/start_game.h"

#include "engine/deal.h"
#include "engine/game_clock.h"
#include "engine/start_game_host.h"
#include "model/game.h"
#include "model/game_number.h"
#include "model/load_game.h"
#include "model/param_ids.h"

namespace vantrel {

void StartGame(Game& game, const Catalogue& catalogue, StartGameHost& host, GameClock& clock, RandomSource& random,
               const StartGameOptions& options) {
    host.setBusyCursor(true);
    host.refreshCaption();
    game.play.moveCounter = 0;
    game.play.stockEmptyMarker = false;
    game.play.stockClicks = 0;
    game.clearTable(options.newDeal);

    if (options.newDeal) {
        // The deal rewrites base ranks and tableau base codes: each deal
        // starts again from the loaded values.
        if (game.params[param::DeckSize] != 0) {
            game.params.RestoreGameParameters();
        } else if (!LoadGame(game, catalogue, host)) {
            host.setBusyCursor(false);  // the reason was shown; nothing to deal
            return;
        }
        clock.stop();
        host.showTime(GameClock::zeroTime());
        game.play.stockPass = 1;
        game.state.write(field::Score, "0");
        if (options.numberMode == NumberMode::Random) {
            NewRandomGameNumber(game.state, random);
            host.refreshCaption();
        }
        Dealer(game, &host, &host).deal();
    }

    game.inProgress = true;
    game.won = false;
    if (!options.noRedraw) host.prepareBackground();
    host.showScore(game.state.read(field::Score));
    if (!options.noRedraw) host.drawTable(options.animate && game.state.read(field::Deal_Animation) != "N");
    if (!clock.running()) {
        clock.start();
        clock.tick(host);
    }
    if (host.autoplayOn()) {
        host.busyWait(AutoplayDelayMs);
        while (host.autoplayPass()) host.refresh();
    }
    host.setBusyCursor(false);
    host.enableGameCommands();
}

}  // namespace vantrel
