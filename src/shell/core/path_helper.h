#pragma once
// The program names its files as they were written on a case-blind file
// system ("DATA\CFG.DAT", "Images\", "IMAGES\GAME0000.BMP"). Here each name
// is turned into a real path under the program folder, every component
// matched against what exists without regard to case; components that do
// not exist keep the spelling given, so new files get that spelling.
#include <string>
#include <string_view>

namespace vantrel {

class StateRecord;

// `base` is a folder (with or without its trailing '/'); `relative` uses
// '\' or '/' as separators. An absolute `relative` ignores `base`.
std::string resolvePath(std::string_view base, std::string_view relative);

// `relative` resolved under the state field `Program_Folder`.
std::string programPath(const StateRecord& state, std::string_view relative);

// The folder of the running executable with a trailing '/'.
std::string executableFolder();

}  // namespace vantrel
