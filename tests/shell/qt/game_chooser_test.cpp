// The game chooser on the offscreen platform, over a small hand-made
// GAMES.DAT and the built picture library.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QResource>
#include <QStackedWidget>
#include <QTreeWidget>

#include "dialogs/chooser_texts.h"
#include "dialogs/game_chooser.h"
#include "model/state_record.h"
#include "shell/core/file_values.h"
#include "shell/core/ini_store.h"
#include "shell_fixture.h"
#include "../../view_qt/table_fixture.h"

using namespace vantrel;
using namespace vantrel::test;

namespace {

std::string listLine(int category, int number, const std::string& name) {
    char head[16];
    std::snprintf(head, sizeof head, "%03d %03d0  ", category, number);
    return scramble(head + name) + "\n";
}

struct FakeHost : ChooserHost {
    StateRecord st;
    MinIniStore* ini = nullptr;
    FolderHost pics{"/nonexistent/"};  // library pictures only
    std::vector<GameListEntry> games;
    std::vector<std::string> infos, started;
    std::vector<bool> commandSwitches;
    StateRecord& state() override { return st; }
    IniStore& prefs() override { return *ini; }
    DrawingHost& pictures() override { return pics; }
    const std::vector<GameListEntry>& gameList() override { return games; }
    bool lowColourDisplay() const override { return false; }
    void infoBox(std::string_view t) override { infos.emplace_back(t); }
    void repaintWindow() override {}
    bool startGame(int number, const std::string& name, const std::string& player) override {
        started.push_back(std::to_string(number) + " " + name + " [" + player + "]");
        st.write(field::Game, number);
        return true;
    }
    void showRules(int) override {}
    void showHelp(int) override {}
    void enableGameCommands(bool on) override { commandSwitches.push_back(on); }
};

class ChooserTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(QResource::registerResource(QString(VANTREL_BUILD_DIR) + "/QUIL.RGF"));
    }
    static void TearDownTestSuite() { QResource::unregisterResource(QString(VANTREL_BUILD_DIR) + "/QUIL.RGF"); }

    // Games 1 FreeCell (category 4), 2 Klondike (5) and 3 Oddity (99, no icon),
    // listed out of order; `prefsText` goes into [Preference].
    GameChooser& open(int currentGame, const std::string& prefsText = "") {
        dir.write("GAMES.DAT", "[Sect1]\n" + listLine(5, 2, "Klondike") + listLine(99, 3, "Oddity") +
                                   listLine(4, 1, "FreeCell") + "[Sect2]\n" + parameterRow(13, {0, 1, -1, 3}) +
                                   parameterRow(265, {0, 52, 104, 52}) + parameterRow(340, {0, 1, 2, 0}) +
                                   parameterRow(343, {0, 0, 3, 4}) + parameterRow(344, {0, 0, 1, 0}) +
                                   parameterRow(345, {0, 0, 5, 0}));
        dir.write("CFG.DAT", "[Preference]\n" + prefsText);
        prefs = std::make_unique<MinIniStore>(dir / "CFG.DAT");
        host.ini = prefs.get();
        host.st.StateInit(dir.path());
        host.st.write(field::Game, currentGame);
        GamesFile file;
        std::string error;
        EXPECT_TRUE(file.load(dir / "GAMES.DAT", error)) << error;
        host.games = file.LoadGameList();
        chooser = std::make_unique<GameChooser>(host);
        return *chooser;
    }
    QTreeWidget* tree() { return chooser->findChild<QTreeWidget*>("trvGames"); }
    QTreeWidgetItem* root() { return tree()->topLevelItem(0); }
    QString label(const char* name) { return chooser->findChild<QLabel*>(name)->text(); }
    void click(const char* button) { chooser->findChild<QPushButton*>(button)->click(); }
    void select(int row) { tree()->setCurrentItem(root()->child(row)); }

    TempFolder dir;
    FakeHost host;
    std::unique_ptr<MinIniStore> prefs;
    std::unique_ptr<GameChooser> chooser;
};

}  // namespace

TEST(ChooserTexts, DescriptionsFollowTheGameValues) {
    const struct {
        std::array<int, 9> values;  // 340, 341, 343, 344, 345, 265, 13
        chooser::Description expected;
    } cases[] = {
        {{0, 2, 3, 1, 5, 104, 1, -1, -1},
         {"Long", "Hard", "Low (about 1 in 5)", "2", "0", "PROG_TIME_LONG", "PROG_DIFF_HARD", "PROG_CHAN_LOW"}},
        {{2, 0, 0, 7, 0, 52, -1, -1, -1},
         {"Quick", "Easy", "Very high", "1", "Unlimited", "PROG_TIME_QUICK", "PROG_DIFF_EASY", "PROG_CHAN_VERYHIGH"}},
        {{1, 1, 4, 0, 0, 52, 0, -1, -1},
         {"Medium", "Medium", "Very low", "1", "0", "PROG_TIME_MEDIUM", "PROG_DIFF_MEDIUM", "PROG_CHAN_VERYLOW"}},
        {{3, -1, 5, 0, 0, 52, 4, -1, -1}, {"", "", "", "1", "3", "", "", ""}},  // out of range: no word
        {{ValueNotRead, ValueNotRead, ValueNotRead, ValueNotRead, ValueNotRead, ValueNotRead, ValueNotRead, -1, -1},
         {}},
    };
    for (const auto& c : cases) {
        const chooser::Description d = chooser::describe(c.values);
        const chooser::Description& e = c.expected;
        EXPECT_EQ(std::vector({d.time, d.difficulty, d.chance, d.decks, d.redeals, d.timePicture, d.difficultyPicture,
                               d.chancePicture}),
                  std::vector({e.time, e.difficulty, e.chance, e.decks, e.redeals, e.timePicture, e.difficultyPicture,
                               e.chancePicture}))
            << c.values[0] << " " << c.values[6];
    }
}

TEST_F(ChooserTest, TheRootHoldsAPlaceholderUntilShownThenTheGamesByNameWithTheCurrentOneSelected) {
    open(2);
    ASSERT_EQ(root()->childCount(), 1);
    EXPECT_EQ(root()->child(0)->data(0, Qt::UserRole).toInt(), chooser::PlaceholderCode);
    EXPECT_FALSE(tree()->isEnabled());
    chooser->show();
    EXPECT_TRUE(tree()->isEnabled());
    ASSERT_EQ(root()->childCount(), 3);
    EXPECT_EQ(root()->child(0)->text(0), "FreeCell");
    EXPECT_EQ(root()->child(1)->text(0), "Klondike");
    EXPECT_EQ(root()->child(2)->text(0), "Oddity");
    EXPECT_FALSE(root()->child(1)->icon(0).isNull());
    EXPECT_TRUE(root()->child(2)->icon(0).isNull());  // category 99 has no icon
    EXPECT_EQ(tree()->currentItem(), root()->child(1));
    EXPECT_EQ(label("lblGameName"), "Klondike");
    EXPECT_EQ(label("lblTime"), "Quick");
    EXPECT_EQ(label("lblChance"), "Low (about 1 in 5)");
    EXPECT_EQ(label("lblDecks"), "2");
    EXPECT_EQ(label("lblRedeals"), "Unlimited");
}

TEST_F(ChooserTest, AGameWithoutACategoryIconIsListedButNotPreselected) {
    open(3);
    chooser->show();
    EXPECT_EQ(root()->childCount(), 3);
    const QTreeWidgetItem* current = tree()->currentItem();
    EXPECT_TRUE(!current || current->data(0, Qt::UserRole).toInt() < 0);
    EXPECT_EQ(chooser->findChild<QStackedWidget*>("pnlDescription")->currentIndex(), 0);  // the logo
    EXPECT_FALSE(chooser->findChild<QPushButton*>("btnOK")->isEnabled());
    EXPECT_FALSE(chooser->findChild<QCheckBox*>("chkPreview")->isEnabled());
}

TEST_F(ChooserTest, ThePreviewIsDrawnOverTheFadeOnlyWhileChecked) {
    open(1);
    chooser->show();
    const QImage withPreview = chooser->preview();
    QCheckBox* box = chooser->findChild<QCheckBox*>("chkPreview");
    ASSERT_TRUE(box->isChecked());
    box->setChecked(false);
    const QImage fade = chooser->preview();
    EXPECT_NE(withPreview, fade);
    EXPECT_GT(fade.pixelColor(0, 0).green(), 120);  // green at the top, black at the bottom
    EXPECT_LT(fade.pixelColor(0, fade.height() - 1).green(), 8);
    EXPECT_EQ(withPreview.pixelColor(0, 0), fade.pixelColor(0, 0));  // the table green is see-through
    box->setChecked(true);
    EXPECT_EQ(chooser->preview(), withPreview);

    open(1, "Open_Preview_Game=N\n");
    chooser->show();
    EXPECT_FALSE(chooser->findChild<QCheckBox*>("chkPreview")->isChecked());
    EXPECT_EQ(chooser->preview(), fade);
}

TEST_F(ChooserTest, OnTheFolderOkIsOffAndRulesAsksForAGameAndOkOnAGameWritesTheChoiceAndStartsIt) {
    open(1, "Game_TreeNum=-30\n");
    chooser->show();
    tree()->setCurrentItem(root());
    EXPECT_FALSE(chooser->findChild<QPushButton*>("btnOK")->isEnabled());
    QMenu* popup = chooser->findChild<QMenu*>("pmGames");
    popup->actions().front()->trigger();  // "&Rules"
    EXPECT_EQ(host.infos, std::vector<std::string>{"Select a game"});
    EXPECT_TRUE(host.started.empty());

    select(1);
    chooser->findChild<QCheckBox*>("chkPreview")->setChecked(false);
    click("btnOK");
    EXPECT_EQ(host.started, std::vector<std::string>{"2 Klondike []"});
    for (auto [key, value] : {std::pair{"Game", "2"}, {"Game_Name", "Klondike"}, {"Game_TreeNum", "-30"},
                              {"Open_Preview_Game", "N"}})
        EXPECT_EQ(prefs->getString("Preference", key, "<none>"), value) << key;
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_TRUE(host.commandSwitches.empty());
}

TEST_F(ChooserTest, ClosingWithoutAnyGameChosenTurnsTheGameCommandsOff) {
    open(-1);
    chooser->show();
    click("btnCancel");
    EXPECT_EQ(host.commandSwitches, std::vector<bool>{false});
    EXPECT_TRUE(host.started.empty());
}
