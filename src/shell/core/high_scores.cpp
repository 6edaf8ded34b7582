#include "shell/core/high_scores.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "model/messages.h"
#include "shell/core/file_values.h"
#include "shell/core/ini_store.h"
#include "shell/core/path_helper.h"
#include "shell/core/preference_keys.h"

namespace fs = std::filesystem;

namespace vantrel {

std::string ConvertHighScoreLine(std::string_view line) {
    if (line.empty() || line.front() != '0') return std::string(line);
    std::string out(line.substr(0, HighScoreLineLength));
    out.resize(HighScoreLineLength, ' ');
    return out + " x";
}

namespace {

// Writes the converted copy into a fresh "rpl" file beside the old one;
// the path of the copy, or empty when it could not be written.
std::string writeConvertedCopy(const std::string& path) {
    std::string pattern = fs::path(path).parent_path().string() + "/rplXXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return {};
    ::close(fd);
    std::ifstream in(path, std::ios::binary);
    std::ofstream out(pattern, std::ios::binary | std::ios::trunc);
    out << "[Version]\nVersion=0300\n\n";
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with("[Version]") || line.starts_with("Version=")) continue;
        out << ConvertHighScoreLine(line) << '\n';
    }
    out.close();
    if (!in.eof() || !out) {
        std::error_code ec;
        fs::remove(pattern, ec);
        return {};
    }
    return pattern;
}

void convertFile(const std::string& path, Messages& messages) {
    const SectionValues version = ReadFileSection(path, "Version", {"Version"}, {"0000"});
    if (!(version.values[0] < "0300")) return;
    const std::string copy = writeConvertedCopy(path);
    if (copy.empty()) {
        messages.infoBox("Error creating temp file.");
        return;
    }
    // One rename replaces the old file, so there is never a moment without
    // one of the two complete files.
    std::error_code ec;
    fs::rename(copy, path, ec);
    if (ec) messages.infoBox("Error renaming file: " + copy + "\rwith: " + path);
}

void fixOldFlag(IniStore& prefs, std::string_view key) {
    if (prefs.getString(pref::Preference, key, "") == "S") prefs.putString(pref::Preference, key, "Y");
}

}  // namespace

void ConvertHighScores(std::string_view programFolder, IniStore& prefs, Messages& messages) {
    const std::string path = resolvePath(programFolder, HighScoreFile);
    std::error_code ec;
    if (!fs::exists(path, ec)) return;
    convertFile(path, messages);
    fixOldFlag(prefs, pref::Cards_Animate);
    fixOldFlag(prefs, pref::ConfirmQuit);
}

}  // namespace vantrel
