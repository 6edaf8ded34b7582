#pragma once
// The preference file's read and write operations. The loader and the
// services take this interface; the program uses `MinIniStore`, tests may
// use it on a temporary file.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel {

class IniStore {
public:
    virtual ~IniStore() = default;
    // A missing file, section or key gives `fallback`. Keys and sections
    // match without regard to case.
    virtual std::string getString(std::string_view section, std::string_view key, std::string_view fallback) const = 0;
    // False when the value could not be stored; what was stored stays.
    virtual bool putString(std::string_view section, std::string_view key, std::string_view value) = 0;

    // The leading decimal integer of the value (blanks and a sign allowed,
    // anything after the digits ignored); `fallback` when the value starts
    // with no number or does not fit.
    long getInt(std::string_view section, std::string_view key, long fallback) const;
    bool putInt(std::string_view section, std::string_view key, long value);

    // Keys that belong together (key, value): a store that can writes them
    // in one step, so that none is ever stored without the others.
    using Values = std::vector<std::pair<std::string, std::string>>;
    virtual bool putStrings(std::string_view section, const Values& values);
    // The same for keys of several sections (section, its keys).
    using Sections = std::vector<std::pair<std::string, Values>>;
    virtual bool putSections(const Sections& sections);
};

// Leading integer of a preference value, as `IniStore::getInt` reads it.
bool parseLeadingInt(std::string_view text, long& out);

// The preference file: read through minIni, written key by key through a
// temporary file that replaces the old one only when it is complete.
class MinIniStore : public IniStore {
public:
    explicit MinIniStore(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    std::string getString(std::string_view section, std::string_view key, std::string_view fallback) const override;
    bool putString(std::string_view section, std::string_view key, std::string_view value) override;
    bool putStrings(std::string_view section, const Values& values) override;  // one replace of the file
    bool putSections(const Sections& sections) override;                       // one replace of the file

private:
    std::string path_;
};

}  // namespace vantrel
