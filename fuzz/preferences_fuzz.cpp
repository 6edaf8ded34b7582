// A CFG.DAT of any content: the preference loader, the window placement,
// and writes into that file, which must store the value and keep every
// other byte.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../tests/fixtures/games_dat_text.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "shell/core/advice.h"
#include "shell/core/ini_store.h"
#include "shell/core/ini_writer.h"
#include "shell/core/preference_loader.h"
#include "shell/core/window_placement.h"

namespace {

using namespace vantrel;

struct QuietAdvice : AdviceDialog {
    bool run(std::string_view, AdvicePage) override { return true; }
};

struct QuietHost : PreferenceHost {
    QuietAdvice advice;
    bool lowColour = false;
    void prepareWindow() override {}
    void applyToolbarLarge(bool) override {}
    void applyToolbarFlat(bool) override {}
    bool lowColourDisplay() const override { return lowColour; }
    AdviceDialog& adviceDialog() override { return advice; }
    void applyShowTime(bool) override {}
    void applyShowScore(bool) override {}
    void setAutoplay(bool) override {}
    void showStatusBar(bool) override {}
    bool requireFile(const std::string&) override { return true; }
    void errorBox(std::string_view) override {}
    void infoBox(std::string_view) override {}
    void loadCardPictures() override {}
};

// One program folder for the whole run, with a small game list.
const std::string& folder() {
    static const std::string path = [] {
        // Every write is flushed to disk: in memory when the machine allows.
        struct stat shm {};
        std::string pattern = ::stat("/dev/shm", &shm) == 0 && S_ISDIR(shm.st_mode) ? "/dev/shm" : "/tmp";
        pattern += "/vantrel-fuzz-prefs-XXXXXX";
        if (!::mkdtemp(pattern.data())) std::abort();
        const std::string p = std::string(pattern) + "/";
        static std::string created = pattern;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(created, ec);
        });
        std::ofstream(p + "GAMES.DAT", std::ios::binary)
            << "[Sect1]\n" + fixtures::gameListLine(0, "Alpha") + fixtures::gameListLine(1, "FreeCell") + "[Sect2]\n" +
                   fixtures::parameterRow(262, {4, 8});
        ::mkdir((p + "DATA").c_str(), 0755);
        return p;
    }();
    return path;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string cfg = folder() + "DATA/CFG.DAT";
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::ofstream(cfg, std::ios::binary | std::ios::trunc) << text;

    MinIniStore prefs(cfg);
    Game game;
    Catalogue catalogue;
    game.state.StateInit(folder());
    QuietHost host;
    host.lowColour = size % 2;
    LoadPreferences(game, catalogue, prefs, host);
    ReadPlacement(prefs, 1280, 1024);
    PlacementOnScreens(ReadPlacement(prefs, 1280, 1024), {{0, 0, 1280, 1000}}, 1280, 1024);
    ConfirmQuitWanted(prefs);

    // The file as the loader left it, then one more setting written.
    const std::string before = readAll(cfg);
    const std::string expected = withIniValue(before, "Preference", "AutoPlay", "N");
    if (prefs.putString("Preference", "AutoPlay", "N")) {
        if (readAll(cfg) != expected || prefs.getString("Preference", "AutoPlay", "") != "N") std::abort();
    } else if (readAll(cfg) != before) {
        std::abort();  // a refused write must leave the file as it was
    }
    return 0;
}
