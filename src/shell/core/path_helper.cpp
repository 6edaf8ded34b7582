#include "shell/core/path_helper.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "model/state_record.h"
#include "shell/core/ascii.h"

namespace fs = std::filesystem;

namespace vantrel {

namespace {

std::vector<std::string> splitComponents(std::string_view relative) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : relative) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(std::move(current));
    return parts;
}

// The entry of `folder` whose name matches `name` ignoring case: the exact
// spelling first, else the first match in name order; empty when none.
std::string matchEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec)) return name;
    std::vector<std::string> matches;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (equalsIgnoringCase(entry, name)) matches.push_back(std::move(entry));
    }
    if (matches.empty()) return {};
    return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::string resolvePath(std::string_view base, std::string_view relative) {
    const bool absolute = !relative.empty() && (relative.front() == '/');
    std::string result = absolute ? std::string("/") : std::string(base);
    if (result.empty()) result = "./";
    if (result.back() != '/') result += '/';
    bool matching = true;  // below a component that does not exist nothing can match
    const std::vector<std::string> parts = splitComponents(relative);
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string name = parts[i];
        if (matching && name != "." && name != "..") {
            std::string found = matchEntry(fs::path(result), name);
            if (found.empty())
                matching = false;
            else
                name = std::move(found);
        }
        result += name;
        if (i + 1 < parts.size()) result += '/';
    }
    // A name that ends in a separator names a folder: keep the separator.
    if (!relative.empty() && (relative.back() == '\\' || relative.back() == '/') && result.back() != '/')
        result += '/';
    return result;
}

std::string programPath(const StateRecord& state, std::string_view relative) {
    return resolvePath(state.read(field::Program_Folder), relative);
}

std::string executableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    std::string folder = ec ? fs::current_path(ec).string() : exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace vantrel
