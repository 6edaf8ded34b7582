#pragma once
// Where the program reads its data and where it writes. A copy run from
// its build folder keeps everything side by side; an installed copy reads
// its data from <prefix>/share/vantrel and, since it may not write there,
// keeps what it writes (DATA, the version marker) in the user's data folder.
#include <string>
#include <string_view>

namespace vantrel {

class StateRecord;

struct ProgramFolders {
    std::string data;  // with a trailing '/'
    std::string user;  // with a trailing '/'
};

// From the executable's folder and the environment ($XDG_DATA_HOME, $HOME;
// null when unset). The data folder is the executable's when it holds
// GAMES.DAT, else ../share/vantrel when that does (an installed copy); the
// user folder is the data folder of a copy that is not installed and may be
// written, else the user's "vantrel" data folder.
ProgramFolders FindProgramFolders(const std::string& executableFolder, const char* xdgDataHome, const char* home);

// The folder that written files go to from now on (created if needed).
void SetUserFolder(std::string folder);
// `relative` under the user folder; the program folder until one is set.
std::string userPath(const StateRecord& state, std::string_view relative);
std::string userFolder(const StateRecord& state);

}  // namespace vantrel
