// The main window never loses its settings to a quit signal and never
// opens out of sight.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <signal.h>

#include "shell/quit_signals.h"
#include "window_fixture.h"

using namespace vantrel;
using namespace vantrel::test;

using QuitAndPlacementTest = WindowFixture;

TEST_F(QuitAndPlacementTest, AQuitSignalClosesInOrderWithoutTheExitQuestion) {
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

TEST_F(QuitAndPlacementTest, APlacementOffEveryScreenOpensAtTheDefaultsAndIsNotKept) {
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
