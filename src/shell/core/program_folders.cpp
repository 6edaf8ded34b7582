#include "shell/core/program_folders.h"

#include <unistd.h>

#include <filesystem>

#include "model/state_record.h"
#include "shell/core/path_helper.h"

namespace vantrel {

namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool holdsGames(const std::string& folder) {
    std::error_code ec;
    return fs::exists(resolvePath(folder, "GAMES.DAT"), ec);
}

std::string& currentUserFolder() {
    static std::string folder;
    return folder;
}

}  // namespace

ProgramFolders FindProgramFolders(const std::string& executableFolder, const char* xdgDataHome, const char* home) {
    ProgramFolders f;
    f.data = withSlash(executableFolder);
    bool installed = false;
    if (!holdsGames(f.data)) {
        std::error_code ec;
        const fs::path shared = fs::weakly_canonical(fs::path(f.data) / ".." / "share" / "vantrel", ec);
        installed = !ec && holdsGames(withSlash(shared.string()));
        if (installed) f.data = withSlash(shared.string());
    }
    // An installed copy never writes beside its data, even for a user who
    // could (root, or a prefix in the user's own folder).
    if (!installed && access(f.data.c_str(), W_OK) == 0) {
        f.user = f.data;
    } else if (xdgDataHome && *xdgDataHome == '/') {
        f.user = withSlash(xdgDataHome) + "vantrel/";
    } else if (home && *home) {
        f.user = withSlash(home) + ".local/share/vantrel/";
    } else {
        f.user = f.data;  // nowhere better: writes fail and are reported as they happen
    }
    return f;
}

void SetUserFolder(std::string folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    currentUserFolder() = withSlash(std::move(folder));
}

std::string userFolder(const StateRecord& state) {
    return currentUserFolder().empty() ? state.read(field::Program_Folder) : currentUserFolder();
}

std::string userPath(const StateRecord& state, std::string_view relative) {
    return resolvePath(userFolder(state), relative);
}

}  // namespace vantrel
