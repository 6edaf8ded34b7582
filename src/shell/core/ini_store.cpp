#include "shell/core/ini_store.h"

#include "shell/core/ini_writer.h"

#include <minIni.h>
#include <sys/stat.h>

#include <climits>

namespace vantrel {

bool parseLeadingInt(std::string_view text, long& out) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (digits == 0) return false;
    if (negative) value = -value;
    if (value < INT_MIN || value > INT_MAX) return false;
    out = static_cast<long>(value);
    return true;
}

long IniStore::getInt(std::string_view section, std::string_view key, long fallback) const {
    long value = 0;
    return parseLeadingInt(getString(section, key, ""), value) ? value : fallback;
}

bool IniStore::putInt(std::string_view section, std::string_view key, long value) {
    return putString(section, key, std::to_string(value));
}

std::string MinIniStore::getString(std::string_view section, std::string_view key, std::string_view fallback) const {
    char buffer[INI_BUFFERSIZE];
    const std::string s(section), k(key), d(fallback);
    ini_gets(s.c_str(), k.c_str(), d.c_str(), buffer, static_cast<int>(sizeof buffer), path_.c_str());
    return buffer;
}

bool IniStore::putStrings(std::string_view section, const Values& values) {
    bool all = true;
    for (const auto& [key, value] : values) all = putString(section, key, value) && all;
    return all;
}

bool IniStore::putSections(const Sections& sections) {
    bool all = true;
    for (const auto& [section, values] : sections) all = putStrings(section, values) && all;
    return all;
}

namespace {
// One value, one line.
std::string oneLine(std::string_view value) {
    std::string v;
    for (char c : value)
        if (c != '\r' && c != '\n' && c != '\0') v += c;
    return v;
}
}  // namespace

bool MinIniStore::putString(std::string_view section, std::string_view key, std::string_view value) {
    return putStrings(section, {{std::string(key), std::string(value)}});
}

bool MinIniStore::putStrings(std::string_view section, const Values& values) {
    return putSections({{std::string(section), values}});
}

bool MinIniStore::putSections(const Sections& sections) {
    // A read-only preference file is the user's choice: minIni would replace
    // it (it removes the old file and renames its copy), so leave it alone.
    // Judged by the permission bits, not by access(), so it holds for root too.
    struct stat info {};
    if (::stat(path_.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    IniSections lines;
    for (const auto& [section, values] : sections) {
        IniValues& keys = lines.emplace_back(section, IniValues()).second;
        for (const auto& [key, value] : values) keys.emplace_back(key, oneLine(value));
    }
    return writeIniSections(path_, lines);
}

}  // namespace vantrel
