#include "play_driver.h"

#include <sstream>
#include <vector>

#include "deal_printer.h"
#include "engine/move_execution.h"
#include "engine/table_play.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/state_field_names.h"
#include "model/text.h"
#include "play_host.h"
#include "view/layout/layout.h"
#include "model/param_ids.h"

namespace solitaire_deal {

namespace {

constexpr int ExitMalformed = 2;
constexpr int AutoplayParam = 17;

struct ScriptError {
    std::string what;
};

int coordinate(const std::string& word) {
    long value = 0;
    if (!parseInt32(word, value) || value < -32768 || value > 32767) throw ScriptError{"'" + word + "' is not a coordinate"};
    return static_cast<int>(value);
}

MouseButton button(const std::string& word) {
    if (word == "left") return MouseButton::Left;
    if (word == "right") return MouseButton::Right;
    throw ScriptError{"button must be left or right, got '" + word + "'"};
}

void expectWords(const std::vector<std::string>& w, size_t n, const char* form) {
    if (w.size() != n) throw ScriptError{std::string("expected '") + form + "'"};
}

// The state every script starts from: no animation, every sound on.
void initialState(Game& game) {
    StateRecord& s = game.state;
    for (Field f : {field::Cards_Shadowed, field::Redeal_Animation, field::Sounds_Enabled, field::Sounds_About,
                    field::Sounds_Autoplay, field::Sounds_GameWon, field::Sounds_NewGame, field::Sounds_Shuffle,
                    field::Sounds_Pairing, field::Sounds_Stock, field::Sounds_Tableau, field::Sounds_FaceUp,
                    field::Sounds_CardDown, field::Sounds_CardUp, field::Sounds_Redeal, field::Sounds_Foundation})
        s.write(f, "Y");
    for (Field f : {field::Cards_Animate, field::Deal_Animation, field::Piles_TT, field::Winning_Animation,
                    field::ConfirmQuitGame})
        s.write(f, "N");
    s.write(field::Speed_Move_Card, "0");
    game.inProgress = true;
    game.won = false;
    game.play = PlayState{};
    game.positions.scrollOffset = 0;
}

void printState(std::ostream& out, const Game& game, const TablePlay& play) {
    printPiles(out, game);
    out << "score " << game.state.read(field::Score) << '\n';
    out << "state moves=" << game.play.moveCounter << " pass=" << game.play.stockPass
        << " marker=" << (game.play.stockEmptyMarker ? 1 : 0) << " clicks=" << game.play.stockClicks
        << " won=" << (game.won ? 1 : 0) << " playing=" << (game.inProgress ? 1 : 0)
        << " dragged=" << play.drag().dragged << '\n';
}

}  // namespace

void PlayHost::peek(int card, int, int) { out_ << "peek " << cardCode(card) << '\n'; }

void PlayHost::play(const std::string& path, SoundPlay) {
    std::string name = path.substr(path.find_last_of("\\/") + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".wav") == 0) name.resize(name.size() - 4);
    out_ << "sound " << name << '\n';
}

TableGeometry prepareScriptTable(Game& game, const LayoutArea& area) {
    LayoutArea laid = area;
    laid.scrollPosition = 0;
    Layout(layoutInputs(game.params, laid), game.positions);
    const CardDims dims = cardDims(area.cardSize);
    const TableGeometry geometry{dims.width, dims.height, fanSteps(area.cardSize, game.params[param::TableauDisplay], game.params[param::ReserveDisplay]), nullptr};
    game.state.write(field::Card_Size, std::string(1, area.cardSize));
    initialState(game);
    return geometry;
}

int playScript(Game& game, const LayoutArea& area, std::istream& script, const std::string& scriptName,
               std::ostream& out, std::ostream& err) {
    const TableGeometry geometry = prepareScriptTable(game, area);

    PlayHost host(out, geometry);
    Sounds sounds(game.state, host);
    MoveExecutor executor(game, host, &sounds);
    bool autoplay = false;
    TablePlay play(game, executor, host, host, &host, &sounds,
                   [&] { return autoplay && game.params[AutoplayParam] != 0; });

    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty() || w[0][0] == '#') continue;
        std::string joined = w[0];
        for (size_t i = 1; i < w.size(); ++i) joined += ' ' + w[i];
        try {
            const std::string& verb = w[0];
            if (verb == "press" || verb == "release") {
                expectWords(w, 4, "press|release left|right X Y");
                const MouseButton b = button(w[1]);
                const int x = coordinate(w[2]), y = coordinate(w[3]);
                out << "> " << joined << '\n';
                verb == "press" ? play.press(b, x, y) : play.release(b, x, y);
            } else if (verb == "move" || verb == "dblclick") {
                expectWords(w, 3, "move|dblclick X Y");
                const int x = coordinate(w[1]), y = coordinate(w[2]);
                out << "> " << joined << '\n';
                verb == "move" ? play.move(x, y) : play.doubleClick(x, y);
            } else if (verb == "autoplay") {
                expectWords(w, 2, "autoplay on|off");
                if (w[1] != "on" && w[1] != "off") throw ScriptError{"autoplay must be on or off, got '" + w[1] + "'"};
                out << "> " << joined << '\n';
                const bool was = autoplay;
                autoplay = w[1] == "on";
                if (autoplay && !was) play.AutoplaySequence();
            } else if (verb == "set") {
                if (w.size() < 3) throw ScriptError{"expected 'set FIELD VALUE'"};
                const auto f = stateFieldByName(w[1]);
                if (!f) throw ScriptError{"no state field '" + w[1] + "'"};
                std::string value = w[2];
                for (size_t i = 3; i < w.size(); ++i) value += ' ' + w[i];
                out << "> " << joined << '\n';
                game.state.write(*f, value);
            } else {
                throw ScriptError{"unknown event '" + verb + "'"};
            }
            printState(out, game, play);
        } catch (const ScriptError& e) {
            out.flush();
            err << "solitaire-deal: " << scriptName << ":" << number << ": " << e.what << '\n';
            return ExitMalformed;
        }
    }
    return out.good() ? 0 : ExitMalformed;
}

}  // namespace solitaire_deal
