// The main window on the offscreen platform: creation and its fatal
// failures, the first activation, placement saving and the close request.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <filesystem>
#include <memory>
#include <regex>

#include "model/game.h"
#include "recording.h"
#include "shell/core/ini_store.h"
#include "shell/main_window.h"
#include "shell/resource_library.h"
#include "shell/table_area.h"
#include "view/table_view.h"
#include "shell_fixture.h"
#include "window_fixture.h"

using namespace vantrel;
using namespace vantrel::test;

using MainWindowTest = WindowFixture;

TEST_F(MainWindowTest, WithoutThePictureLibraryTheProgramEndsWithItsPathInLowerCase) {
    std::filesystem::remove(dir / "QUIL.RGF");
    EXPECT_FALSE(open().createWindow());
    ASSERT_EQ(fatal.reports.size(), 1u);
    std::string lower = dir / "QUIL.RGF";
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(fatal.reports[0].second, "Can't find/load " + lower);
}

TEST_F(MainWindowTest, WithoutTheGameFileTheProgramEndsWithTheMissingFileBox) {
    std::filesystem::remove(dir / "GAMES.DAT");
    EXPECT_FALSE(open().createWindow());
    ASSERT_EQ(fatal.reports.size(), 1u);
    EXPECT_EQ(fatal.reports[0].first, "Error");
    EXPECT_TRUE(fatal.reports[0].second.starts_with("Cannot find file:\n" + (dir / "GAMES.DAT") + "\n"));
}

TEST_F(MainWindowTest, FirstActivationDealsTheStoredGameAndShowsItInTheCaption) {
    MainWindow& w = open();
    ASSERT_TRUE(w.createWindow());
    EXPECT_EQ(w.windowTitle().toStdString(), "Vantrel");
    EXPECT_EQ(w.panels().lblTempo->text(), "0:00:00");
    EXPECT_TRUE(w.firstActivationPending());
    EXPECT_FALSE(game->inProgress);
    w.showPlaced();  // asks for activation
    QApplication::processEvents();
    if (w.firstActivationPending()) activate();
    EXPECT_FALSE(w.firstActivationPending());
    EXPECT_TRUE(game->inProgress);
    EXPECT_TRUE(w.clock().running());
    EXPECT_TRUE(std::regex_match(w.windowTitle().toStdString(), std::regex(R"(Vantrel \[FreeCell\]  \[\d{13}\])")))
        << w.windowTitle().toStdString();
    EXPECT_EQ(w.panels().lblScore->text().toStdString(), game->state.read(field::Score));
    EXPECT_TRUE(prompts.infos.empty() && prompts.errors.empty());

    const QString caption = w.windowTitle();
    activate();  // later activations deal nothing new
    EXPECT_EQ(w.windowTitle(), caption);
}

TEST_F(MainWindowTest, AStoredGameThatIsNotOfferedLeavesTheTableEmpty) {
    dir.write("DATA/CFG.DAT", "[Preference]\nAutoPlay=N\nGame=999\nGame_name=Gone\n");
    MainWindow& w = openAndShow();
    activate();
    EXPECT_EQ(w.windowTitle().toStdString(), "Vantrel []");
    EXPECT_FALSE(game->inProgress);
}

TEST_F(MainWindowTest, ANormalWindowStoresItsBoundsAndTheNextStartRestoresThem) {
    dir.write("DATA/CFG.DAT",
              "[Preference]\nAutoPlay=N\nMainWindowState_Maximized=N\nMainWindowState_Left=100\n"
              "MainWindowState_Top=80\nMainWindowState_Width=700\nMainWindowState_Height=500\n");
    MainWindow& w = openAndShow();
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.pos(), QPoint(100, 80));
    EXPECT_EQ(w.size(), QSize(700, 500));
    w.move(120, 90);
    w.resize(640, 480);
    QApplication::processEvents();
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(pref("MainWindowState_Maximized"), "N");
    EXPECT_EQ(pref("MainWindowState_Left"), "120");
    EXPECT_EQ(pref("MainWindowState_Top"), "90");
    EXPECT_EQ(pref("MainWindowState_Width"), "640");
    EXPECT_EQ(pref("MainWindowState_Height"), "480");
    EXPECT_EQ(pref("AutoPlay"), "N");

    MainWindow& again = openAndShow();
    EXPECT_EQ(again.pos(), QPoint(120, 90));
    EXPECT_EQ(again.size(), QSize(640, 480));
}

TEST_F(MainWindowTest, WithoutStoredPlacementTheWindowOpensMaximizedAndClosingKeepsTheBounds) {
    MainWindow& w = openAndShow();
    EXPECT_TRUE(w.isMaximized());
    prefs->putString("Preference", "MainWindowState_Left", "33");
    EXPECT_TRUE(w.close());
    EXPECT_EQ(pref("MainWindowState_Maximized"), "Y");
    EXPECT_EQ(pref("MainWindowState_Left"), "33");
    EXPECT_EQ(pref("MainWindowState_Width"), "<none>");
}

TEST_F(MainWindowTest, TheExitQuestionIsAskedWhenConfirmQuitIsOnAndCancelKeepsTheWindow) {
    dir.write("DATA/CFG.DAT", "[Preference]\nAutoPlay=Y\nConfirmQuit=Y\n");
    MainWindow& w = openAndShow();
    prompts.answer = false;
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(prompts.questions, std::vector<std::string>{"Exit Vantrel?"});
    prompts.answer = true;
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(pref("AutoPlay"), "Y");
    EXPECT_TRUE(LoadResourcePicture("SPLASH").isNull()) << "the picture library is released on closing";
}

TEST_F(MainWindowTest, ACloseDuringTheWinningAnimationWaitsForItsEndAndAsksNothing) {
    dir.write("DATA/CFG.DAT", "[Preference]\nAutoPlay=N\nConfirmQuit=Y\n");
    MainWindow& w = openAndShow();
    w.setWinningAnimationRunning(true);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.closeRequestedDuringAnimation());
    EXPECT_EQ(pref("MainWindowState_Maximized"), "Y");  // placement saved at the request
    w.winningAnimationEnded();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(MainWindowTest, AKeyOrThePointerOverItHidesThePileSizePanel) {
    MainWindow& w = openAndShow();
    w.panels().pnlPilesSize->show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&w, &key);
    EXPECT_FALSE(w.panels().pnlPilesSize->isVisible());
    w.panels().pnlPilesSize->show();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w.panels().pnlPilesSize, &enter);
    EXPECT_FALSE(w.panels().pnlPilesSize->isVisible());
}

TEST_F(MainWindowTest, TheTimeAndScorePanelsSitAtTheRightEndOfTheToolbar) {
    dir.write("DATA/CFG.DAT", "[Preference]\nAutoPlay=N\nMainWindowState_Maximized=N\nMainWindowState_Width=800\n"
                              "MainWindowState_Height=600\nShow_Score=N\n");
    MainWindow& w = openAndShow();
    const TopPanels& p = w.panels();
    EXPECT_TRUE(p.pnlTempo->isVisible());
    EXPECT_FALSE(p.pnlScore->isVisible());
    EXPECT_EQ(p.pnlTempo->geometry().right() + 1, w.table().width() - 15);
    EXPECT_EQ(p.pnlLineaGrigia->y(), p.pnlTB1->height());
    EXPECT_EQ(p.pnlLineaNera->y(), p.pnlTB1->height() + 1);
    EXPECT_FALSE(p.pnlStatusBar->isVisible());
    EXPECT_EQ(w.view().canvas().table.size(), w.table().size());  // made at the first show
}
