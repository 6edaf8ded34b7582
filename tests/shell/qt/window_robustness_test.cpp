// The main window never loses its settings to a quit signal, never opens
// out of sight, and a game that cannot be loaded leaves the choice open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QPushButton>
#include <QTreeWidget>
#include <signal.h>

#include "model/games_file.h"
#include "shell/quit_signals.h"
#include "window_fixture.h"

using namespace vantrel;
using namespace vantrel::test;

using WindowRobustnessTest = WindowFixture;

TEST_F(WindowRobustnessTest, AQuitSignalClosesInOrderWithoutTheExitQuestion) {
    for (int signal : {SIGTERM, SIGINT}) {
        dir.write("DATA/CFG.DAT", "[Preference]\nAutoPlay=Y\nConfirmQuit=Y\nMainWindowState_Maximized=N\n"
                                  "MainWindowState_Left=60\nMainWindowState_Top=40\n"
                                  "MainWindowState_Width=500\nMainWindowState_Height=400\n");
        MainWindow& w = openAndShow();
        w.setAutoplay(false);
        w.move(70, 45);
        QApplication::processEvents();
        QuitSignals quit([&w](int) { w.closeWithoutQuestion(); });
        ::raise(signal);
        QElapsedTimer waited;
        waited.start();
        while (w.isVisible() && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_FALSE(w.isVisible()) << signal;
        EXPECT_TRUE(prompts.questions.empty()) << signal;
        EXPECT_EQ(pref("MainWindowState_Left"), "70") << signal;
        EXPECT_EQ(pref("MainWindowState_Width"), "500") << signal;
        EXPECT_EQ(pref("AutoPlay"), "N") << signal;
    }
}

TEST_F(WindowRobustnessTest, APlacementOffEveryScreenOpensAtTheDefaultsAndIsNotKept) {
    dir.write("DATA/CFG.DAT", "[Preference]\nAutoPlay=N\nMainWindowState_Maximized=N\n"
                              "MainWindowState_Left=-99999999\nMainWindowState_Top=50\n"
                              "MainWindowState_Width=700\nMainWindowState_Height=500\n");
    MainWindow& w = openAndShow();
    const QSize screen = QApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(w.pos(), QPoint(50, 50));
    EXPECT_EQ(w.size(), QSize(std::max(screen.width() - 150, 200), std::max(screen.height() - 150, 150)));
    EXPECT_TRUE(w.close());
    EXPECT_EQ(pref("MainWindowState_Left"), "50");
}

TEST_F(WindowRobustnessTest, AChosenGameWithoutParametersLeavesTheChooserOpenForAnotherChoice) {
    // A listed game with no column in [Sect2].
    std::string games = dir.read("GAMES.DAT");
    games += "[Sect1]\n" + scramble("001 9900  Broken Game") + "\n";
    dir.write("GAMES.DAT", games);
    chooserAnswer.stop();
    std::vector<std::string> picks = {"Broken Game", "FreeCell"};
    int shown = 0;
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* chooser = qobject_cast<GameChooser*>(QApplication::activeModalWidget());
        if (!chooser || !chooser->isVisible() || shown >= static_cast<int>(picks.size())) return;
        auto* tree = chooser->findChild<QTreeWidget*>("trvGames");
        for (int i = 0; i < tree->topLevelItemCount(); ++i) tree->topLevelItem(i)->setExpanded(true);
        const auto found = tree->findItems(QString::fromStdString(picks[shown++]), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(found.isEmpty());
        tree->setCurrentItem(found.front());
        chooser->findChild<QPushButton*>("btnOK")->click();
    });
    answer.start();
    MainWindow& w = openAndShow();
    if (w.firstActivationPending()) activate();
    QApplication::processEvents();
    EXPECT_EQ(shown, 2);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], "GAMES.DAT has no parameters for game 990 (Broken Game).");
    EXPECT_EQ(game->state.read(field::Game_name), "FreeCell");
    EXPECT_NE(w.windowTitle().toStdString().find("[FreeCell]"), std::string::npos);
}
