// The menu bar, both toolbars, the pop-up menus and the help window, on
// the offscreen platform with the built data files.
#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "dialogs/customize_dialog.h"
#include "shell/commands.h"
#include "shell/help_window.h"
#include "shell/table_area.h"
#include "shell/top_panels.h"
#include "window_fixture.h"

using namespace vantrel;
using namespace vantrel::test;

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// No autoplay and no deal animation: a deal waits for nothing and is
// silent.
class CommandsTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        preferences("");
    }
    // `more` comes first: the first of two equal keys counts.
    void preferences(const std::string& more) {
        dir.write("DATA/CFG.DAT", "[Preference]\n" + more + "AutoPlay=N\nDeal_Animation=N\n");
    }
};

QString rulesTopic(Commands& c) {
    HelpWindow* rules = c.help().window(HelpWindowName::Rules);
    return rules && rules->isVisible() ? rules->currentTopic() : QString();
}

}  // namespace

TEST_F(CommandsTest, ShortcutsReachTheirCommandsAndTheHiddenOnesDoNothing) {
    MainWindow& w = openPlaying();
    Commands& c = w.commands();
    for (QAction* a : {c.mnuRestart, c.mnuSave, c.mnuUndo, c.mnuRedo, c.mnuPause, c.mnuTip, c.mnuCardCounter})
        EXPECT_FALSE(a->isVisible()) << a->objectName().toStdString();
    EXPECT_FALSE(c.mnuStatistics->menuAction()->isVisible());
    EXPECT_FALSE(c.mnuTournament->menuAction()->isVisible());
    EXPECT_TRUE(c.mnuCustomize->isEnabled());

    const std::string deal = game->state.read(field::Deal_Number);
    const std::string before = game->state.StateRead(1, StateRecord::RecordLength);
    for (auto [key, modifiers] : {std::pair{Qt::Key_F4, Qt::NoModifier}, {Qt::Key_Z, Qt::ControlModifier},
                                  {Qt::Key_F3, Qt::NoModifier}, {Qt::Key_F2, Qt::ControlModifier},
                                  {Qt::Key_F9, Qt::NoModifier}})
        QTest::keyClick(&w, key, modifiers);
    EXPECT_EQ(game->state.StateRead(1, StateRecord::RecordLength), before);
    EXPECT_TRUE(sound.played.empty());

    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(rulesTopic(c), "3001");

    const bool autoplay = c.mnuAutoPlay->isChecked();
    QTest::keyClick(&w, Qt::Key_F7);
    EXPECT_NE(c.mnuAutoPlay->isChecked(), autoplay);
    for (QToolButton* b : w.panels().both(ToolButton::AutoPlay)) EXPECT_EQ(b->isChecked(), !autoplay);
    QTest::keyClick(&w, Qt::Key_F7);
    // Switched on, autoplay may have played cards of this random deal.
    sound.played.clear();

    QTest::keyClick(&w, Qt::Key_F2);
    EXPECT_EQ(prompts.questions, std::vector<std::string>{"Quit this game?"});
    EXPECT_NE(game->state.read(field::Deal_Number), deal);
    EXPECT_EQ(sound.played, std::vector<std::string>{"New"});

    QWidget* modal = nullptr;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget();
        if (modal) modal->close();
    });
    QTest::keyClick(&w, Qt::Key_U, Qt::ControlModifier);
    ASSERT_NE(w.customizeDialog(), nullptr);
    EXPECT_EQ(modal, static_cast<QWidget*>(w.customizeDialog()));
}

TEST_F(CommandsTest, NewGameAsksFirstAndCancelLeavesTheGameWithoutASound) {
    preferences("ConfirmQuitGame=Y\n");
    MainWindow& w = openPlaying();
    const std::string deal = game->state.read(field::Deal_Number);
    prompts.answer = false;
    w.panels().smallBar.button(ToolButton::New)->click();
    EXPECT_EQ(prompts.questions, std::vector<std::string>{"Quit this game?"});
    EXPECT_EQ(game->state.read(field::Deal_Number), deal);
    EXPECT_TRUE(game->inProgress);
    EXPECT_TRUE(sound.played.empty());

    prompts.answer = true;
    w.commands().mnuNew->trigger();
    EXPECT_NE(game->state.read(field::Deal_Number), deal);
    EXPECT_EQ(sound.played, std::vector<std::string>{"New"});
}

TEST_F(CommandsTest, RulesHelpShowsTheGameTopicAndNothingFromGame8000On) {
    MainWindow& w = openPlaying();
    Commands& c = w.commands();
    game->state.write(field::Game, "8001");
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(c.help().window(HelpWindowName::Rules), nullptr);
    EXPECT_TRUE(prompts.infos.empty() && prompts.errors.empty());

    c.showRules(3);  // as the chooser's Rules button
    HelpWindow* rules = c.help().window(HelpWindowName::Rules);
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(rules->currentTopic(), "3003");
    EXPECT_TRUE(rules->browser()->toPlainText().startsWith("Spider\n"));
    EXPECT_TRUE(rules->browser()->toPlainText().contains("104 cards"));

    c.mnuContents->trigger();  // the other window, on the contents
    HelpWindow* proc = c.help().window(HelpWindowName::Proc);
    ASSERT_NE(proc, nullptr);
    EXPECT_EQ(proc->currentTopic(), ContentsTopic);
    EXPECT_EQ(rules->currentTopic(), "3003");
    for (int context : {ChooserContext, AppearanceContext}) {
        EXPECT_TRUE(c.help().showTopic(HelpWindowName::Proc, context));
        EXPECT_EQ(proc->currentTopic(), QString::number(context));
    }
    // From the contents to a game; a search goes on through the
    // following topics and round to the first ones.
    emit proc->browser()->anchorClicked(QUrl("#3002"));
    EXPECT_EQ(proc->currentTopic(), "3002");
    EXPECT_TRUE(proc->find("DATA/CFG.DAT"));
    EXPECT_EQ(proc->currentTopic(), "preferences");
    EXPECT_FALSE(proc->find("no help file says this"));
}

TEST_F(CommandsTest, ToolbarSizeAndFlatStyleGiveTheirGeometryAndAreSaved) {
    MainWindow& w = openPlaying();
    Commands& c = w.commands();
    const TopPanels& p = w.panels();
    struct Case {
        QAction* size;
        QAction* style;
        bool large, flat;
        int barHeight, buttonTop, buttonHeight, panelHeight, labelTop;
    } cases[] = {
        {c.pmLargeIcons, c.pmFlat, true, true, 46, 2, 42, 24, 4},
        {c.pmLargeIcons, c.pmNoFlat, true, false, 45, 2, 42, 24, 4},
        {c.pmSmallIcons, c.pmFlat, false, true, 24, 1, 22, 20, 3},
        {c.pmSmallIcons, c.pmNoFlat, false, false, 25, 1, 23, 20, 3},
    };
    for (const Case& k : cases) {
        k.size->trigger();
        k.style->trigger();
        SCOPED_TRACE(k.barHeight);
        const Toolbar& shown = k.large ? p.largeBar : p.smallBar;
        EXPECT_TRUE(shown.panel->isVisible());
        EXPECT_FALSE((k.large ? p.smallBar : p.largeBar).panel->isVisible());
        EXPECT_EQ(shown.panel->height(), k.barHeight);
        const QToolButton* exit = shown.button(ToolButton::Exit);
        EXPECT_EQ(exit->geometry(), QRect(k.large ? 205 : 121, k.buttonTop, k.large ? 44 : 23, k.buttonHeight));
        EXPECT_EQ(exit->autoRaise(), k.flat);
        EXPECT_EQ(shown.separators[2]->isVisible(), k.flat);
        EXPECT_EQ(p.pnlTempo->height(), k.panelHeight);
        EXPECT_EQ(p.lblTempo->y(), k.labelTop);
        EXPECT_EQ(p.pnlTempo->y(), (k.barHeight - k.panelHeight) / 2);
        EXPECT_EQ(p.pnlLineaGrigia->y(), k.barHeight);
        EXPECT_TRUE(k.size->isChecked() && k.style->isChecked());
        EXPECT_EQ(pref("ToolBar_Large"), k.large ? "Y" : "N");
        EXPECT_EQ(pref("ToolBar_Flat"), k.flat ? "Y" : "N");
    }
}

TEST_F(CommandsTest, StartUpTakesTheToolbarStyleAndHintsFromThePreferences) {
    preferences("AutoPlay=Y\nToolBar_Large=Y\nToolBar_Flat=N\nShow_ToolTips=N\n");
    MainWindow& w = openAndShow();
    const TopPanels& p = w.panels();
    EXPECT_TRUE(p.pnlTB->isVisible());
    EXPECT_EQ(p.pnlTB->height(), 45);
    EXPECT_TRUE(w.commands().pmLargeIcons->isChecked() && w.commands().pmNoFlat->isChecked());
    EXPECT_TRUE(p.largeBar.button(ToolButton::New)->toolTip().isEmpty());
    EXPECT_TRUE(p.largeBar.button(ToolButton::AutoPlay)->isChecked());
    EXPECT_EQ(pref("ToolBar_Flat"), "N") << "nothing written at start-up";

    preferences("");
    MainWindow& again = openAndShow();
    EXPECT_EQ(again.panels().smallBar.button(ToolButton::Rules)->toolTip(), "Rules");
    EXPECT_FALSE(again.panels().smallBar.button(ToolButton::Restart)->isVisible());
}

TEST_F(CommandsTest, HiddenPanelsComeBackFromTheToolbarMenuAndNeverCoverExit) {
    preferences("MainWindowState_Maximized=N\nMainWindowState_Width=700\nMainWindowState_Height=500\n");
    MainWindow& w = openPlaying();
    Commands& c = w.commands();
    const TopPanels& p = w.panels();
    EXPECT_FALSE(c.pmShowTime->isEnabled());
    c.pmHideTime->trigger();
    EXPECT_FALSE(p.pnlTempo->isVisible());
    EXPECT_EQ(pref("Show_Time"), "N");
    EXPECT_TRUE(c.pmShowTime->isEnabled());
    EXPECT_EQ(p.pnlScore->geometry().right() + 1, w.table().width() - 15) << "the score moves to the far right";
    c.pmShowTime->trigger();
    EXPECT_TRUE(p.pnlTempo->isVisible());
    EXPECT_EQ(pref("Show_Time"), "Y");
    c.pmHideScore->trigger();
    EXPECT_EQ(pref("Show_Score"), "N");
    c.pmShowScore->trigger();

    // Large toolbar: Exit ends at 249; the time panel needs 64 + 15 more
    // and a gap of more than 3 pixels.
    c.pmLargeIcons->trigger();
    for (auto [width, timeShown, scoreShown] : {std::tuple{420, true, true}, {340, true, false}, {330, false, false}}) {
        w.resize(width + (w.width() - w.table().width()), w.height());
        QApplication::processEvents();
        EXPECT_EQ(p.pnlTempo->isVisible(), timeShown) << width;
        EXPECT_EQ(p.pnlScore->isVisible(), scoreShown) << width;
    }
    c.pmSmallIcons->trigger();  // Exit ends at 144: room again
    EXPECT_TRUE(p.pnlTempo->isVisible());
}

TEST_F(CommandsTest, GameCommandsAreDisabledAndEnabledOnBothToolbarsAndTheMenu) {
    MainWindow& w = openPlaying();
    Commands& c = w.commands();
    const TopPanels& p = w.panels();
    auto autoplayPicture = [&] { return p.smallBar.button(ToolButton::AutoPlay)->icon().pixmap(16, 16).toImage(); };
    auto picture = [](const char* name) {
        return QPixmap::fromImage(LoadResourcePicture(name)).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    for (bool on : {false, true}) {
        c.EnableGameCommands(on);
        for (ToolButton b : {ToolButton::New, ToolButton::AutoPlay, ToolButton::Rules})
            for (QToolButton* button : p.both(b)) EXPECT_EQ(button->isEnabled(), on);
        for (QAction* a : {c.mnuNew, c.mnuAutoPlay, c.mnuRules}) EXPECT_EQ(a->isEnabled(), on);
        EXPECT_TRUE(c.mnuOpen->isEnabled() && p.smallBar.button(ToolButton::Exit)->isEnabled());
        EXPECT_EQ(autoplayPicture().convertToFormat(QImage::Format_ARGB32),
                  picture(on ? "TB_AUTOPLAY" : "TB_AUTOPLAY_DIS"));
    }
    // A toolbar button runs its menu command.
    const bool autoplay = c.mnuAutoPlay->isChecked();
    p.largeBar.button(ToolButton::AutoPlay)->click();
    EXPECT_NE(c.mnuAutoPlay->isChecked(), autoplay);
    p.largeBar.button(ToolButton::Rules)->click();
    EXPECT_EQ(rulesTopic(c), "3001");
}

TEST_F(CommandsTest, AboutNamesTheProgramWithItsVersionAndLicence) {
    MainWindow& w = openPlaying();
    QStringList texts;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        for (const QLabel* l : box->findChildren<QLabel*>()) texts << l->text();
        box->close();
    });
    w.commands().mnuAbout->trigger();
    ASSERT_GE(texts.size(), 3);
    EXPECT_EQ(texts[0], "Vantrel");
    EXPECT_TRUE(texts[1].startsWith("Version ")) << texts[1].toStdString();
    EXPECT_TRUE(texts.join(" ").contains("GNU General Public License, version 3 or later"));
    EXPECT_EQ(sound.played, std::vector<std::string>{"About.wav"});
}

TEST(HelpTopics, TopicsRunFromTheirMarkToTheNextOrToTheEnd) {
    const HelpTopics t = splitHelpTopics(
        "<html><body>\n<!--topic contents-->\n<p>a</p>\n<!--topic 3001-->\n<p>b</p>\n<!--end-->\n</body></html>\n");
    EXPECT_EQ(t.head, "<html><body>\n");
    EXPECT_EQ(t.order, (QStringList{"contents", "3001"}));
    EXPECT_EQ(t.html.value("contents"), "<p>a</p>\n");
    EXPECT_EQ(t.page("3001"), "<html><body>\n<p>b</p>\n</body></html>");
    EXPECT_TRUE(t.page("3002").isEmpty());
}
