#include "game_preview.h"

#include "engine/deal.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "view/drawing_host.h"
#include "view/layout/layout_driver.h"
#include "view/table_view.h"

#include <algorithm>

namespace previews {

using namespace vantrel;

namespace {

// Pictures from the files the build has just drawn, before they are packed
// into the library; nothing is played or shown.
class FileHost : public DrawingHost {
public:
    FileHost(QString programDir, QString pictures) : programDir_(std::move(programDir)), pictures_(std::move(pictures)) {}
    QImage loadPictureFile(std::string_view name) override
    {
        return QImage(programDir_ + "/Images/" + QString::fromUtf8(name.data(), qsizetype(name.size())) + ".bmp");
    }
    QImage loadResourcePicture(std::string_view name) override
    {
        return QImage(pictures_ + '/' + QString::fromUtf8(name.data(), qsizetype(name.size())) + ".png");
    }
    std::string customizedBackground() override { return {}; }
    bool richColour() const override { return true; }
    void playSound(std::string_view) override {}
    void busyWait(int) override {}
    void scrollTo(int) override {}
    void infoBox(std::string_view) override {}

private:
    QString programDir_, pictures_;
};

// Right edge of the rightmost pile the layout placed.
int rightmostEdge(const PilePositions &positions, int cardWidth)
{
    int right = 0;
    for (PileGroup group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
        for (int entry = 0; entry < TableauPiles; ++entry)
            if (positions.placed(group, entry))
                right = std::max(right, positions.x(group, entry) + cardWidth);
    return right;
}

} // namespace

QString previewName(int game)
{
    return QString::asprintf("GAME%04d", game);
}

struct PreviewRenderer::Parts {
    Parts(const QString &programDir, const QString &pictures) : folder(programDir), host(programDir, pictures) {}
    QString folder;
    Catalogue catalogue;
    Game game;
    FileHost host;
    TableView view{game, host};
};

PreviewRenderer::PreviewRenderer(const QString &programDir, const QString &pictures)
    : parts_(std::make_unique<Parts>(programDir, pictures))
{
    StateRecord &s = parts_->game.state;
    // The program's defaults of an empty preference file.
    s.write(field::Card, "001");
    s.write(field::Back_Card, "011");
    s.write(field::Background_def, "Y");
    s.write(field::Cards_Shadowed, "Y");
    s.write(field::Piles_TT, "N");
    s.write(field::Deal_Number, PreviewDeal);
}

PreviewRenderer::~PreviewRenderer() = default;

bool PreviewRenderer::loadGames(std::string &error)
{
    Catalogue &c = parts_->catalogue;
    if (!c.gamesFile.load((parts_->folder + "/GAMES.DAT").toStdString(), error))
        return false;
    c.gameList = c.gamesFile.LoadGameList(nullptr);
    return true;
}

std::vector<int> PreviewRenderer::games() const
{
    std::vector<int> numbers;
    for (const GameListEntry &entry : parts_->catalogue.gameList)
        numbers.push_back(entry.number);
    return numbers;
}

QImage PreviewRenderer::render(int number, std::string &error)
{
    Game &g = parts_->game;
    if (!parts_->catalogue.gamesFile.LoadGameParameters(number, g.params, error))
        return {};
    g.state.write(field::Game, number);
    struct Table {
        const char *cardSize;
        int width;
    };
    static constexpr Table tables[] = {{"B", TableWidth}, {"M", TableWidth}, {"M", 1024}, {"M", 1280}};
    for (const Table &table : tables) {
        g.state.write(field::Card_Size, table.cardSize);
        g.clearTable(true);
        if (!Dealer(g, nullptr, nullptr).deal()) {
            error = "game " + std::to_string(number) + " could not be dealt";
            return {};
        }
        g.inProgress = true;
        const int height = tableHeight(table.width);
        parts_->view.resize(QSize(table.width, height), QSize(table.width + 30, height + 30));
        parts_->view.loadImages();
        WindowMetrics m;
        m.windowWidth = table.width;
        m.clientHeight = height;
        m.winH = height + 60;  // the window's frame, menu and toolbar
        m.screenW = 1280;
        m.screenH = 1024;
        g.positions.markAllUnplaced();
        parts_->view.setLayout(LayoutDriver(g, m));
        if (rightmostEdge(g.positions, parts_->view.images().width) <= table.width)
            break;
    }
    parts_->view.redraw();
    return parts_->view.canvas().shown().scaledToWidth(PreviewWidth, Qt::SmoothTransformation);
}

} // namespace previews
