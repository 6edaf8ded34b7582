// The chooser's preview of a game: the game dealt from a fixed number, laid
// out and drawn by the program's own table drawing on the default
// background, as a window of a usual size shows it, scaled to the preview
// width.
#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace previews {

inline constexpr int PreviewWidth = 300;
inline constexpr int PreviewHeight = 185;
// The table area of an 800-pixel-wide window, with the preview's proportions;
// wider only for games whose piles need more room.
inline constexpr int TableWidth = 800;
inline constexpr int tableHeight(int width) { return width * PreviewHeight / PreviewWidth; }
// Any fixed number will do: the same deal on every build.
inline constexpr const char *PreviewDeal = "0000000424242";

// "GAME" + the number in four digits.
QString previewName(int game);

class PreviewRenderer {
public:
    // Pictures of the library are read from <pictures>/<name>.png, card
    // backs from <programDir>/Images; games from <programDir>/GAMES.DAT.
    PreviewRenderer(const QString &programDir, const QString &pictures);
    ~PreviewRenderer();

    // False with `error` when GAMES.DAT cannot be read.
    bool loadGames(std::string &error);
    // Numbers of the games GAMES.DAT offers.
    std::vector<int> games() const;
    // The preview of one game; null with `error` when it cannot be dealt.
    // Big cards when the game fits the table that way, else medium cards on
    // the narrowest of 800, 1024 and 1280 pixels that takes every pile.
    QImage render(int game, std::string &error);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace previews
