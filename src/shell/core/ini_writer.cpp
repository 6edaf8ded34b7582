#include "shell/core/ini_writer.h"

#include <fcntl.h>
#include <minIni.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "shell/core/ascii.h"
#include "model/text.h"

namespace fs = std::filesystem;

namespace vantrel {

namespace {

// Section name of a header line ("[Name]"), as the reader sees it.
bool sectionHeader(std::string_view line, std::string_view& name) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() != '[') return false;
    const size_t close = t.rfind(']');
    if (close == std::string_view::npos || close == 0) return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

// Key of a key line ("key=value" or "key:value"); comments have none.
bool keyOf(std::string_view line, std::string_view& key) {
    const std::string_view t = trimLeft(line);
    if (t.empty() || t.front() == ';' || t.front() == '#') return false;
    size_t sep = t.find('=');
    if (sep == std::string_view::npos) sep = t.find(':');
    if (sep == std::string_view::npos) return false;
    key = trim(t.substr(0, sep));
    return true;
}

struct Line {
    std::string text;  // without the line end
    bool cr = false;   // ended in "\r\n"
};

std::vector<Line> splitKeepingLineEnds(std::string_view text) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = text.size();
        Line l{std::string(text.substr(start, end - start)), false};
        if (!l.text.empty() && l.text.back() == '\r') {
            l.text.pop_back();
            l.cr = true;
        }
        lines.push_back(std::move(l));
        start = end + 1;
    }
    return lines;
}

// Values that the reader would trim or cut are written in quotes.
std::string storedValue(std::string_view value) {
    const bool plain = value.empty() || (value.front() != ' ' && value.back() != ' ' && value.front() != '"' &&
                                         value.find(';') == std::string_view::npos &&
                                         value.find('#') == std::string_view::npos);
    return plain ? std::string(value) : "\"" + std::string(value) + "\"";
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n <= 0) return false;
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

std::string withIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
    std::vector<Line> lines = splitKeepingLineEnds(text);
    const bool crlf = !lines.empty() && lines.front().cr;
    const std::string newLine = std::string(key) + "=" + storedValue(value);

    bool inSection = false, done = false;
    size_t lastContent = 0;  // last non-blank line of the matching section
    bool found = false;
    for (size_t i = 0; i < lines.size() && !done; ++i) {
        std::string_view name;
        if (sectionHeader(lines[i].text, name)) {
            if (inSection) break;  // the key is not in the section: add it below
            inSection = equalsIgnoringCase(name, section);
            if (inSection) {
                found = true;
                lastContent = i;
            }
            continue;
        }
        if (!inSection) continue;
        if (!trim(lines[i].text).empty()) lastContent = i;
        std::string_view k;
        if (keyOf(lines[i].text, k) && equalsIgnoringCase(k, key)) {
            lines[i].text = newLine;
            done = true;
        }
    }
    if (!done && found) {
        lines.insert(lines.begin() + static_cast<long>(lastContent) + 1, Line{newLine, crlf});
    } else if (!done) {
        if (!lines.empty() && !trim(lines.back().text).empty()) lines.push_back(Line{"", crlf});
        lines.push_back(Line{"[" + std::string(section) + "]", crlf});
        lines.push_back(Line{newLine, crlf});
    }

    std::string out;
    for (const Line& l : lines) out += l.text + (l.cr ? "\r\n" : "\n");
    return out;
}

namespace {

bool ownTemporaryName(std::string_view name, std::string_view base) {
    if (name.size() != base.size() + 7 || !name.starts_with(base) || name[base.size()] != '.') return false;
    for (char c : name.substr(base.size() + 1))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

std::string iniWriteTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {  // the kernel's own limit on link chains
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) break;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) break;
        target = next.is_absolute() ? next.string() : (fs::path(target).parent_path() / next).string();
    }
    return target;
}

bool writeIniValue(const std::string& path, std::string_view section, std::string_view key, std::string_view value) {
    return writeIniValues(path, section, {{std::string(key), std::string(value)}});
}

bool writeIniValues(const std::string& path, std::string_view section, const IniValues& values) {
    return writeIniSections(path, {{std::string(section), values}});
}

bool writeIniSections(const std::string& linkOrPath, const IniSections& sections) {
    const std::string path = iniWriteTarget(linkOrPath);
    std::string old;
    struct stat info {};
    const bool existed = ::stat(path.c_str(), &info) == 0;
    if (existed) {
        std::ifstream in(path, std::ios::binary);
        if (!in) return false;
        std::ostringstream s;
        s << in.rdbuf();
        if (in.bad()) return false;
        old = s.str();
    }
    std::string text = old;
    for (const auto& [section, values] : sections)
        for (const auto& [key, value] : values) text = withIniValue(text, section, key, value);

    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    // Synced before it replaces a file. A new file replaces nothing: lost
    // in a crash, it is as if never written, and an empty one reads as
    // defaults. Its sync would only hold up the first start.
    const bool written = writeAll(fd, text) && ::fchmod(fd, existed ? (info.st_mode & 07777) : 0644) == 0 &&
                         (!existed || ::fsync(fd) == 0);
    const bool closed = ::close(fd) == 0;

    // The reader must find every new value in the new file, else keep the old.
    bool readsBack = written && closed;
    for (const auto& [section, values] : sections)
        for (const auto& [key, value] : values) {
            if (!readsBack) break;
            char buffer[INI_BUFFERSIZE];
            const std::string nothing = "\x01";
            ini_gets(section.c_str(), key.c_str(), nothing.c_str(), buffer, static_cast<int>(sizeof buffer),
                     temp.c_str());
            readsBack = value == buffer;
        }
    if (!readsBack || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

void removeLeftoverTemporaries(const std::string& path) {
    // A write takes milliseconds; a temporary a minute old belongs to no one.
    constexpr auto OldEnough = std::chrono::minutes(1);
    const fs::path target = iniWriteTarget(path);
    const std::string base = target.filename().string();
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    fs::directory_iterator it(target.parent_path().empty() ? fs::path(".") : target.parent_path(), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!ownTemporaryName(it->path().filename().string(), base)) continue;
        if (!it->is_regular_file(entryError) || it->is_symlink(entryError)) continue;
        const auto written = it->last_write_time(entryError);
        if (entryError || now - written < OldEnough) continue;
        fs::remove(it->path(), entryError);
    }
}

}  // namespace vantrel
