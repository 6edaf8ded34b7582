#pragma once
// A dealt game drawn off-screen from the program folder's real pictures:
// shared by the drawing tests, the screenshot program and the benchmark.
#include <QDir>
#include <QFileInfo>
#include <QResource>
#include <memory>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "view/background.h"
#include "view/card_images.h"
#include "view/drawing_host.h"
#include "view/layout/card_fan.h"
#include "view/layout/layout_driver.h"
#include "view/table_canvas.h"
#include "view/table_drawing.h"

namespace vantrel::test {

// Pictures from a folder; boxes and sounds recorded.
class FolderHost : public DrawingHost {
public:
    explicit FolderHost(std::string folder) : folder_(std::move(folder)) {}
    QImage loadPictureFile(std::string_view name) override {
        const std::string n(name);
        const std::string path = n.find('/') != std::string::npos ? n : folder_ + "Images/" + n + ".bmp";
        loaded.push_back(n);
        return QImage(QString::fromStdString(path));
    }
    QImage loadResourcePicture(std::string_view name) override {
        return QImage(QString::fromStdString(":/" + std::string(name)));
    }
    std::string customizedBackground() override { return customPath; }
    bool richColour() const override { return rich; }
    void playSound(std::string_view name) override { sounds.emplace_back(name); }
    void busyWait(int) override {}
    void scrollTo(int position) override { scrolledTo = position; }
    void infoBox(std::string_view text) override { boxes.emplace_back(text); }

    std::string customPath;
    bool rich = true;
    int scrolledTo = -1;
    std::vector<std::string> loaded, sounds, boxes;

private:
    std::string folder_;
};

// Registers the picture library once for the process.
inline bool registerPictureLibrary(const std::string& folder) {
    static bool done = QResource::registerResource(QString::fromStdString(folder + "QUIL.RGF"));
    return done;
}

struct DealtTable {
    explicit DealtTable(std::string folder) : folder(std::move(folder)), host(this->folder) {}

    // Deals game `number` with card size `size` on a window of `w` x `h`;
    // false with `error` set when the data files are not usable.
    bool setUp(int number, char size, int w, int h, std::string& error) {
        if (!registerPictureLibrary(folder)) {
            error = "cannot register " + folder + "QUIL.RGF";
            return false;
        }
        if (!catalogue.gamesFile.load(folder + "GAMES.DAT", error)) return false;
        catalogue.gameList = catalogue.gamesFile.LoadGameList(nullptr);
        if (!catalogue.gamesFile.LoadGameParameters(number, game.params, error)) return false;
        game.params.saveCopy();
        StateRecord& s = game.state;
        s.write(field::Game, number);
        s.write(field::Card_Size, std::string(1, size));
        if (s.read(field::Back_Card).empty()) s.write(field::Back_Card, "006");
        if (s.read(field::Card).empty()) s.write(field::Card, "001");
        if (s.read(field::Background_def).empty()) s.write(field::Background_def, "Y");
        s.write(field::Deal_Number, "0000000424242");
        s.write(field::Piles_TT, "N");
        if (!Dealer(game, nullptr, nullptr).deal()) {
            error = "game " + std::to_string(number) + " could not be dealt";
            return false;
        }
        loadCardImages(images, s, host);
        drawing.piles().setFanSteps(fanSteps(size, game.params[3], game.params[5]));
        WindowMetrics m;
        m.windowWidth = w;
        m.winH = h + 60;
        m.clientHeight = h;
        m.screenW = w;
        m.screenH = h + 60;
        drawing.piles().setLayout(LayoutDriver(game, m));
        canvas.resize(QSize(w, h), QSize(w + 30, h + 30));
        game.inProgress = true;
        drawing.pictures().drawBackground(Target::Table);
        drawing.piles().drawTable(Target::Table, false);
        drawing.pictures().showWindow();
        return true;
    }

    std::string folder;
    Catalogue catalogue;
    Game game;
    TableCanvas canvas;
    CardImages images;
    FolderHost host;
    TableDrawing drawing{game, canvas, images, host};
};

}  // namespace vantrel::test
