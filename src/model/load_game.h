#pragma once
// Loading one game's definition, with the switch to the reduced card set on
// narrow screens.
#include <string>
#include <string_view>

namespace vantrel {

struct Catalogue;
struct Game;

// What loading needs from the window.
class GameLoadHost {
public:
    virtual ~GameLoadHost() = default;
    virtual int screenWidth() const = 0;
    virtual void infoBox(std::string_view text) = 0;
    virtual void errorBox(std::string_view text) = 0;
    virtual void enableCustomize(bool enabled) = 0;
    virtual void reloadCardImages() = 0;
    virtual void enableAutoplay(bool enabled) = 0;
    virtual void computeLayout() = 0;
    virtual void repaintTable() = 0;
};

// Loads the game named by the state field `Game`. When its parameters
// cannot be read, the previous game's parameters stay, the reason goes to
// the error box and the result is false.
bool LoadGame(Game& game, const Catalogue& catalogue, GameLoadHost& host);

std::string reducedSetNotice(std::string_view gameName);
std::string noParametersText(int number, std::string_view gameName);

}  // namespace vantrel
