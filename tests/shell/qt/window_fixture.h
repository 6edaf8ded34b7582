#pragma once
// A program folder with the built game data, picture library and help
// file, and a main window over it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "engine/sounds.h"
#include "dialogs/game_chooser.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "recording.h"
#include "shell/core/ini_store.h"
#include "shell/main_window.h"
#include "shell/resource_library.h"
#include "shell_fixture.h"

namespace vantrel::test {

struct RecordingSoundDevice : SoundDevice {
    std::vector<std::string> played;  // file names, without the folder
    void play(const std::string& path, SoundPlay) override { played.push_back(path.substr(path.rfind('\\') + 1)); }
    void stop() override {}
};

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {"GAMES.DAT", "QUIL.RGF", "pallmore.html"}) {
            const std::string from = std::string(VANTREL_BUILD_DIR) + "/" + file;
            ASSERT_TRUE(std::filesystem::exists(from)) << from << " is built with the program";
            std::filesystem::copy_file(from, dir / file);
        }
        // No autoplay: starting a game then waits for nothing.
        dir.write("DATA/CFG.DAT", "[Preference]\nAutoPlay=N\n");
        // The game chooser opens modally at the first activation: it is
        // answered with OK on the selected game, Cancel when there is none.
        chooserAnswer.setInterval(0);
        QObject::connect(&chooserAnswer, &QTimer::timeout, [] {
            auto* chooser = qobject_cast<GameChooser*>(QApplication::activeModalWidget());
            if (!chooser || !chooser->isVisible()) return;
            auto* ok = chooser->findChild<QPushButton*>("btnOK");
            if (ok->isEnabled())
                ok->click();
            else
                chooser->reject();
        });
        chooserAnswer.start();
    }

    MainWindow& open() {
        game = std::make_unique<Game>();
        catalogue = std::make_unique<Catalogue>();
        game->state.StateInit(dir.path());
        prefs = std::make_unique<MinIniStore>(dir / "DATA/CFG.DAT");
        window = std::make_unique<MainWindow>(ShellServices{*game, *catalogue, *prefs, library, fatal, prompts});
        window->setSoundDevice(sound);
        return *window;
    }
    MainWindow& openAndShow() {
        MainWindow& w = open();
        EXPECT_TRUE(w.createWindow());
        w.showPlaced();
        QApplication::processEvents();
        return w;
    }
    void activate() {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activation);
        QApplication::processEvents();  // the first activation runs queued
    }
    // Shown, first activation done: the chooser was answered with the
    // stored game, which is dealt; the window is active again.
    MainWindow& openPlaying() {
        MainWindow& w = openAndShow();
        if (w.firstActivationPending()) activate();
        w.activateWindow();
        QApplication::processEvents();
        return w;
    }
    std::string pref(const char* key) const { return prefs->getString("Preference", key, "<none>"); }

    QTimer chooserAnswer;
    TempFolder dir;
    ResourceLibrary library;
    RecordingFatal fatal;
    RecordingPrompts prompts;
    RecordingSoundDevice sound;
    std::unique_ptr<Game> game;
    std::unique_ptr<Catalogue> catalogue;
    std::unique_ptr<MinIniStore> prefs;
    std::unique_ptr<MainWindow> window;
};

}  // namespace vantrel::test
