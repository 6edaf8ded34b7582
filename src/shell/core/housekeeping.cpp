#include "shell/core/housekeeping.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "shell/core/path_helper.h"

namespace fs = std::filesystem;

namespace vantrel {

namespace {

bool present(std::string_view folder, std::string_view relative) {
    std::error_code ec;
    return fs::exists(resolvePath(folder, relative), ec);
}

std::string numbered(const char* pattern, int n) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, n);
    return buffer;
}

// Every candidate name, present or not, in the order they are removed.
std::vector<std::string> candidates(std::string_view folder) {
    std::vector<std::string> names;
    for (int v : {150, 200, 300, 310, 320, 330, 340, 350, 360, 370}) names.push_back(numbered("QUILV%04d.DAT", v));
    if (present(folder, "IMAGES\\GAME0000.BMP"))
        for (int n = 0; n <= 100; ++n) names.push_back(numbered("IMAGES\\GAME%04d.BMP", n));
    if (present(folder, "IMAGES\\WB001.BMP"))
        for (const char* p : {"IMAGES\\WB%03d.BMP", "IMAGES\\WM%03d.BMP", "IMAGES\\WP%03d.BMP"})
            for (int n = 0; n <= 25; ++n) names.push_back(numbered(p, n));
    if (present(folder, "IMAGES\\CB001C.BMP")) {
        for (int n = 1; n <= 5; ++n)
            for (const char* suit : {"C", "D", "H", "S"}) names.push_back(numbered("IMAGES\\CB%03d", n) + suit + ".BMP");
        for (const char* size : {"CM", "CL"})
            for (const char* suit : {"C", "D", "H", "S"})
                names.push_back(std::string("IMAGES\\") + size + "003" + suit + ".BMP");
    }
    names.push_back("PALLMORE.DLL");
    return names;
}

}  // namespace

void WriteVersionMarker(std::string_view programFolder) {
    const std::string path = resolvePath(programFolder, VersionMarkerFile);
    std::error_code ec;
    if (fs::exists(path, ec)) return;
    std::ofstream out(path);
    out << VersionMarkerLine << "\n";
}

std::vector<std::string> OldReleaseFiles(std::string_view programFolder) {
    std::vector<std::string> found;
    for (const std::string& name : candidates(programFolder))
        if (present(programFolder, name)) found.push_back(name);
    return found;
}

void CleanUpOldFiles(std::string_view programFolder) {
    std::error_code ec;
    for (const std::string& name : OldReleaseFiles(programFolder)) fs::remove(resolvePath(programFolder, name), ec);
}

}  // namespace vantrel
