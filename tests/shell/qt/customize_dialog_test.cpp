// The appearance dialog on the main window: what OK writes and in which
// order, the card back forced for other card sizes, and Cancel restoring
// the table as it was.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>
#include <functional>
#include <sstream>

#include "dialogs/appearance_choices.h"
#include "dialogs/customize_dialog.h"
#include "model/state_record.h"
#include "view/table_view.h"
#include "window_fixture.h"

using namespace vantrel;
using namespace vantrel::test;

namespace {

class CustomizeTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        std::filesystem::copy(std::string(VANTREL_BUILD_DIR) + "/Images", dir / "Images");
    }
    MainWindow& started(const std::string& prefsText = "") {
        if (!prefsText.empty()) dir.write("DATA/CFG.DAT", "[Preference]\nAutoPlay=N\n" + prefsText);
        MainWindow& w = openAndShow();
        if (w.firstActivationPending()) activate();
        return w;
    }
    // Runs the dialog; `act` works on it while it is open, then `button` closes it.
    void customize(const std::function<void(CustomizeDialog&)>& act, const char* button) {
        QTimer::singleShot(0, [&] {
            CustomizeDialog* d = window->customizeDialog();
            ASSERT_NE(d, nullptr);
            act(*d);
            d->findChild<QPushButton*>(button)->click();
        });
        window->mnuCustomizeClick();
    }
    static void choose(CustomizeDialog& d, const char* tree, const char* text) {
        auto* t = d.findChild<QTreeWidget*>(tree);
        const auto items = t->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(items.size(), 1) << text;
        t->setCurrentItem(items[0]);
    }
    std::string cfg() const {
        std::ifstream in(dir / "DATA/CFG.DAT");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

}  // namespace

TEST(AppearanceChoices, BackgroundNodesWriteTheirKeys) {
    struct Case {
        int code;
        const char* bmp;
        const char* def;
        long fixed;
    } cases[] = {{0, "0", "Y", 0},     {-30, "0", "Y", 0},       {2, "2", "N", 0},
                 {1000, "1000", "N", 0}, {1001, "0", "N", 1001}, {16711680, "0", "N", 16711680}};
    for (const Case& c : cases) {
        const auto keys = appearance::backgroundKeysFor(c.code);
        EXPECT_EQ(keys.bmp, c.bmp) << c.code;
        EXPECT_EQ(keys.def, c.def) << c.code;
        EXPECT_EQ(keys.fixedColour, c.fixed) << c.code;
    }
}

TEST(AppearanceChoices, TheStoredBackgroundChoosesTheNodeSelectedAtOpening) {
    struct Case {
        const char *def, *fixed, *bmp;
        appearance::OpeningSample sample;
        int node;
    } cases[] = {{"Y", "32768", "311", appearance::OpeningSample::Default, appearance::BlueColour},
                 {"N", "32768", "311", appearance::OpeningSample::FixedColour, 32768},
                 {"N", "0", "311", appearance::OpeningSample::Picture, 311},
                 {"N", "0", "0", appearance::OpeningSample::PlainColour, 0}};
    for (const Case& c : cases) {
        StateRecord st;
        st.write(field::Background_def, c.def);
        st.write(field::Background_Fixed_Col, c.fixed);
        st.write(field::Background_bmp, c.bmp);
        const auto opening = appearance::openingBackground(st);
        EXPECT_EQ(opening.sample, c.sample) << c.def << c.fixed << c.bmp;
        EXPECT_EQ(opening.node, c.node) << c.def << c.fixed << c.bmp;
    }
}

TEST_F(CustomizeTest, OkOnTheDefaultBackgroundStoresBlue) {
    started("Background_def=Y\n");
    customize([](CustomizeDialog& d) { EXPECT_EQ(d.backgroundCaption(), "Blue"); }, "btnOK");
    EXPECT_EQ(pref("Background_Fixed_Col"), "16711680");
    EXPECT_EQ(pref("Background_Def"), "N");
    EXPECT_EQ(pref("Background_Col"), std::to_string(-2147483633L));
    EXPECT_EQ(game->state.read(field::Background_Fixed_Col), "16711680");
    EXPECT_FALSE(game->state.flag(field::Background_def));
}

TEST_F(CustomizeTest, OkWritesEveryKeyInOrderAndDisablingSoundsWritesThemOff) {
    started();
    customize([](CustomizeDialog& d) { d.findChild<QCheckBox*>("chkSoundsEnabled")->setChecked(true); }, "btnOK");
    EXPECT_EQ(pref("Sounds_Enabled"), "N");
    EXPECT_FALSE(game->state.flag(field::Sounds_Enabled));
    const std::string text = cfg();
    size_t at = 0;
    for (const char* key : {"Sounds_Enabled=", "Back_Card=", "Background_bmp=", "Background_Def=",
                            "Background_Fixed_Col=", "Background_Col=", "Fade_Background=", "ToolBar_Large=",
                            "ToolBar_Flat=", "Show_Time=", "Show_Score=", "ConfirmQuit=", "ConfirmQuitGame=",
                            "Winning_Animation="}) {
        const size_t found = text.find(std::string("\n") + key, at);
        ASSERT_NE(found, std::string::npos) << key << " after position " << at << " in\n" << text;
        at = found + 1;
    }
}

TEST_F(CustomizeTest, WithMiddleCardsAnyChosenBackIsStoredAsTheLatticeBack) {
    started("Card_Size=M\n");
    customize([](CustomizeDialog& d) { choose(d, "trvCardBack", "Roses"); }, "btnOK");
    EXPECT_EQ(pref("Back_Card"), "14");
    EXPECT_EQ(game->state.read(field::Back_Card), "006");
}

TEST_F(CustomizeTest, AChosenBackAndPictureReachTheTable) {
    MainWindow& w = started();
    const QImage before = w.view().canvas().table.copy();
    customize(
        [](CustomizeDialog& d) {
            choose(d, "trvCardBack", "Boat");
            choose(d, "trvBackGround", "Parquet");
            EXPECT_EQ(d.deckCaption(), "Boat");
            EXPECT_EQ(d.backgroundCaption(), "Parquet");
        },
        "btnOK");
    EXPECT_EQ(game->state.read(field::Back_Card), "001");
    EXPECT_EQ(game->state.read(field::Background_bmp), "311");
    EXPECT_NE(w.view().canvas().table.pixel(3, 300), before.pixel(3, 300));
    EXPECT_TRUE(fatal.reports.empty());
}

TEST_F(CustomizeTest, CancelAfterBrowsingRestoresTheTableAndWritesNothing) {
    MainWindow& w = started("Fade_Background=N\n");
    const QImage before = w.view().canvas().table.copy();
    const std::string stored = cfg();
    const std::string state = game->state.StateRead(1, 250);
    customize(
        [](CustomizeDialog& d) {
            for (const char* back : {"Boat", "Snowman", "Roses"}) choose(d, "trvCardBack", back);
            for (const char* bg : {"Meadow", "White", "Moquette"}) choose(d, "trvBackGround", bg);
            d.findChild<QCheckBox*>("chkFadeBackground")->setChecked(true);
        },
        "btnAnnulla");
    EXPECT_EQ(cfg(), stored);
    EXPECT_EQ(game->state.StateRead(1, 250), state);
    EXPECT_EQ(w.view().canvas().table, before);
}

TEST_F(CustomizeTest, AMissingBackgroundPictureIsReportedAndLeavesThePreferencesAlone) {
    started();
    std::filesystem::remove(dir / "Images/B311.bmp");
    const std::string stored = cfg();
    customize([](CustomizeDialog& d) { choose(d, "trvBackGround", "Parquet"); }, "btnAnnulla");
    ASSERT_EQ(fatal.reports.size(), 1u);
    EXPECT_NE(fatal.reports[0].second.find("B311"), std::string::npos) << fatal.reports[0].second;
    EXPECT_EQ(cfg(), stored);
}
