// The solitaire program: state record, splash window, main window with its
// preferences, placement, then the event loop.
#include <QApplication>
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
    if (SplashSoundWanted(prefs)) {
        Sounds sounds(game->state, *sound);
        sound->play(sounds.soundPath(sound::SplashName), SoundPlay::Async);
    }

    BoxPrompts prompts;
    MainWindow window({*game, catalogue, prefs, library, programFatalReporter(), prompts});
    prompts.setParent(&window);
    window.setSoundDevice(*sound);
    if (!window.createWindow()) return EXIT_FAILURE;
    QuitSignals quitSignals([&window](int) { window.closeWithoutQuestion(); });
    window.showPlaced();

    splash.close();
    window.repaint();
    QApplication::restoreOverrideCursor();
    const int status = QApplication::exec();
    return status;
}
