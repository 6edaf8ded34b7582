// The solitaire program: state record, splash window, main window with its
// preferences, placement, then the event loop.
#include <QApplication>
#include <QTimer>
#include <functional>
#include <utility>
#include <cstdlib>

#include "engine/sounds.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "shell/core/ini_store.h"
#include "shell/core/path_helper.h"
#include "shell/core/preference_loader.h"
#include "shell/core/program_folders.h"
#include "shell/file_services.h"
#include "shell/main_window.h"
#include "shell/prompts.h"
#include "shell/quit_signals.h"
#include "shell/resource_library.h"
#include "shell/sound_output.h"
#include "shell/splash_window.h"

using namespace vantrel;

namespace {

// Runs `then` once, from the event loop, after `widget` was first painted.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& widget, std::function<void()> then) : then_(std::move(then)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && then_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(then_, nullptr));
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));

    auto game = std::make_unique<Game>();
    Catalogue catalogue;
    const ProgramFolders folders =
        FindProgramFolders(executableFolder(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    game->state.StateInit(folders.data);
    if (folders.user != folders.data) SetUserFolder(folders.user);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    // The splash shows a picture of the library: load it now if it is there;
    // the main window insists on it below.
    ResourceLibrary library;
    library.load(programPath(game->state, ResourceLibraryFile));
    SplashWindow splash;
    splash.showNow();

    MinIniStore prefs(userPath(game->state, game->state.read(field::Config_File)));
    std::unique_ptr<SoundDevice> sound = makeSoundDevice();
    const bool splashSound = SplashSoundWanted(prefs);

    BoxPrompts prompts;
    MainWindow window({*game, catalogue, prefs, library, programFatalReporter(), prompts});
    prompts.setParent(&window);
    window.setSoundDevice(*sound);
    if (!window.createWindow()) return EXIT_FAILURE;
    QuitSignals quitSignals([&window](int) { window.closeWithoutQuestion(); });
    // The sound plays on its own while the program comes up; started after
    // the window's first paint, opening the audio backend does not delay it.
    AfterFirstPaint splashSoundStart(window, [&] {
        if (!splashSound) return;
        Sounds sounds(game->state, *sound);
        sound->play(sounds.soundPath(sound::SplashName), SoundPlay::Async);
    });
    window.showPlaced();

    splash.close();
    window.repaint();
    QApplication::restoreOverrideCursor();
    const int status = QApplication::exec();
    return status;
}
