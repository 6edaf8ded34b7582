// animation_shots OUT_FOLDER: opens the main window on a copy of the built
// program folder and saves what the screen shows in the middle of the
// animated deal, a dragged card's flight, a card turn and both winning
// animations, to look over (run it under xvfb-run).
#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QScreen>
#include <cstdio>
#include <filesystem>
#include <map>

#include "dialogs/game_chooser.h"
#include "engine/move_execution.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "recording.h"
#include "shell/core/ini_store.h"
#include "shell/main_window.h"
#include "shell/resource_library.h"
#include "shell/table_area.h"
#include "shell/winning_animation.h"
#include "shell_fixture.h"
#include "view/table_drawing.h"
#include "view/table_feedback.h"
#include "view/table_view.h"
#include "view_qt/table_fixture.h"

using namespace vantrel;

namespace {

// Counts the frames an animation paints and grabs the screen at the ones
// asked for.
class Shots {
public:
    explicit Shots(QString folder) : folder_(std::move(folder)) {}
    void scene(std::map<int, QString> grabs, std::function<void()> after = {}) {
        frame_ = 0;
        grabs_ = std::move(grabs);
        after_ = std::move(after);
    }
    void frame() {
        const auto it = grabs_.find(++frame_);
        if (it == grabs_.end()) return;
        const QString file = folder_ + "/" + it->second + ".png";
        if (!QGuiApplication::primaryScreen()->grabWindow(0).save(file)) {
            std::fprintf(stderr, "animation_shots: cannot write %s\n", file.toLocal8Bit().constData());
            ++failures;
        }
        ++saved;
        grabs_.erase(it);
        if (grabs_.empty() && after_) after_();
    }
    int failures = 0;
    int saved = 0;

private:
    QString folder_;
    int frame_ = 0;
    std::map<int, QString> grabs_;
    std::function<void()> after_;
};

void copyProgramFolder(const std::string& to) {
    namespace fs = std::filesystem;
    const fs::path from(VANTREL_BUILD_DIR);
    for (const char* name : {"GAMES.DAT", "QUIL.RGF"}) fs::copy_file(from / name, fs::path(to) / name);
    fs::copy(from / "Images", fs::path(to) / "Images", fs::copy_options::recursive);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: animation_shots OUT_FOLDER\n");
        return 2;
    }
    test::TempFolder dir;
    copyProgramFolder(dir.path());
    dir.write("DATA/CFG.DAT",
              "[Preference]\nAutoPlay=N\nGame=2\nGame_name=Klondike\nDeal_Animation=Y\nSpeed_Move_Card=10\n"
              "Cards_Shadowed=Y\nWinning_Animation=Y\nConfirmQuit=N\nMainWindowState_Maximized=N\n"
              "MainWindowState_Left=0\nMainWindowState_Top=0\nMainWindowState_Width=1024\nMainWindowState_Height=740\n");
    Game game;
    Catalogue catalogue;
    game.state.StateInit(dir.path());
    MinIniStore prefs(dir / "DATA/CFG.DAT");
    ResourceLibrary library;
    test::RecordingFatal fatal;
    test::RecordingPrompts prompts;
    MainWindow w({game, catalogue, prefs, library, fatal, prompts});
    Shots shots(QString::fromLocal8Bit(argv[1]));
    w.view().canvas().paintNow = [&](const QRect& r) {
        w.table().repaint(r);
        shots.frame();
    };

    // The game chooser opens at the first activation; OK on the stored game
    // deals it.
    QTimer chooserAnswer;
    chooserAnswer.setInterval(0);
    QObject::connect(&chooserAnswer, &QTimer::timeout, [] {
        auto* chooser = qobject_cast<GameChooser*>(QApplication::activeModalWidget());
        if (chooser && chooser->isVisible()) chooser->findChild<QPushButton*>("btnOK")->click();
    });
    chooserAnswer.start();
    shots.scene({{150, "deal-early"}, {500, "deal-late"}});
    if (!w.createWindow()) return 1;
    w.showPlaced();
    for (int i = 0; i < 20 && w.firstActivationPending(); ++i) QApplication::processEvents();
    if (w.firstActivationPending()) {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activation);
        QApplication::processEvents();
    }
    chooserAnswer.stop();
    if (!game.inProgress) {
        std::fprintf(stderr, "animation_shots: no game was dealt\n");
        return 1;
    }

    // The last row's top card, picked up and held, flies to the first row.
    test::FolderHost host(dir.path());
    TableFeedback feedback(game, w.view(), host);
    MoveExecutor executor(game, feedback);
    TableDrawing& d = w.view().drawing();
    const PileRef last{PileGroup::Tableau, 6};
    const std::string row = game.piles.pile(last);
    const int top = cardCount(row) - 1;
    const int card = cardAt(row, top);
    d.drag().buildDragPicture(last, top);
    d.flights().liftCardsFromPile(row, row.substr(0, row.size() - 3), game.positions.x(last.group, last.entry),
                                  Target::Table, "Fila7");
    const CardPoint from = d.piles().cardPlace(last, top);
    d.drag().moveDragPicture(from.x - 7 + 40, from.y - 7 + 150, false, false);
    w.view().canvas().flush();
    shots.scene({{6, "flight"}, {12, "flight-landing"}});
    executor.Execute(card, "Fila1");

    // The card it uncovered is turned up.
    const int hidden = topCard(game.piles.pile(last));
    game.cards.setFace(hidden, '1');
    shots.scene({{2, "card-turn"}});
    feedback.turnCardFaceUp(hidden, CardSpot{last, cardCount(game.piles.pile(last)) - 1, 0, 0});

    // Both winning animations, each ended by a key press after its shot.
    const auto pressKey = [&] {
        QCoreApplication::postEvent(&w.table(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
    };
    for (int kind : {1, 2}) {
        w.redrawTable();
        shots.scene({{kind == 1 ? 700 : 450, QString("winning-%1").arg(kind)}}, pressKey);
        const int drawn = w.winningAnimation().run(kind);
        std::printf("winning animation %d: %d cards drawn\n", kind, drawn);
    }
    std::printf("%d shots saved\n", shots.saved);
    w.close();
    return shots.failures == 0 && fatal.reports.empty() ? 0 : 1;
}
