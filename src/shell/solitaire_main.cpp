// The solitaire program: state record, splash window, main window with its
// preferences, placement, then the event loop.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <future>
#include <memory>
#include <utility>
#include <cstdlib>
#include <malloc.h>

#include "engine/sounds.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "shell/core/ini_store.h"
#include "shell/core/path_helper.h"
#include "shell/core/preference_loader.h"
#include "shell/core/program_folders.h"
#include "shell/file_services.h"
#include "shell/font_warm_up.h"
#include "shell/helper_priority.h"
#include "shell/main_window.h"
#include "shell/program_style.h"
#include "shell/prompts.h"
#include "shell/quit_signals.h"
#include "shell/resource_library.h"
#include "shell/sound_output.h"
#include "shell/splash_window.h"

using namespace vantrel;

namespace {

constexpr int SplashLongestMs = 2000;
// After the chooser's first paint the server is still taking in the
// window's first pictures: what shows nothing waits this long.
constexpr int AfterFirstLookMs = 40;

// Runs `then` once, from the event loop, a while after the first paint of
// a dialog: the first activation's look is the table with the game chooser
// on it.
class AfterFirstDialogPaint : public QObject {
public:
    explicit AfterFirstDialogPaint(std::function<void()> then) : then_(std::move(then)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::Paint || !then_) return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && qobject_cast<QDialog*>(widget->window())) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(AfterFirstLookMs, this, std::exchange(then_, nullptr));
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

int main(int argc, char** argv) {
    // Pictures are large and short-lived (the splash, scaled card sets,
    // drag pictures): a fixed mapping threshold hands each back to the
    // system when freed instead of keeping it in the heap for the next one.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    // One heap for every thread: the few helper threads allocate little,
    // and an arena of their own keeps its pages for the program's life.
    mallopt(M_ARENA_MAX, 1);
    const FontWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setStyle(new ProgramStyle);  // the application owns it
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
    // Decoded on a second core while the splash window's parts are made.
    auto splash = std::make_unique<SplashWindow>(
        std::async(std::launch::async, [] {
            RunHelperAtIdlePriority();
            return LoadResourcePicture("SPLASH");
        }));
    splash->showNow();

    MinIniStore prefs(userPath(game->state, game->state.read(field::Config_File)));
    std::unique_ptr<SoundDevice> sound = makeSoundDevice();
    const bool splashSound = SplashSoundWanted(prefs);

    BoxPrompts prompts;
    MainWindow window({*game, catalogue, prefs, library, programFatalReporter(), prompts});
    prompts.setParent(&window);
    window.setSoundDevice(*sound);
    if (!window.createWindow()) return EXIT_FAILURE;
    QuitSignals quitSignals([&window](int) { window.closeWithoutQuestion(); });
    // The splash goes once the chooser is on the table (the window covers
    // it before that): taking it down earlier waits on the display server
    // twice while the server is busy with the window's first picture. The
    // sound plays on its own; started then, opening the audio backend
    // delays neither. Both wait a little longer still: taken down at once,
    // the covered splash kept the main thread from the chooser's pending
    // paints, and the audio backend took a core from the server.
    AfterFirstDialogPaint firstDialogShown([&] {
        splash.reset();
        if (!splashSound) return;
        Sounds sounds(game->state, *sound);
        sound->play(sounds.soundPath(sound::SplashName), SoundPlay::Async);
    });
    // Should no dialog open at the start, the splash stays no longer.
    QTimer::singleShot(SplashLongestMs, &window, [&splash] { splash.reset(); });
    window.showPlaced();
    window.repaint();
    QApplication::restoreOverrideCursor();
    const int status = QApplication::exec();
    return status;
}
