#include "source_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace gamesdat {

std::string fileError(const fs::path& path, const std::string& reason) {
    return "gamesdat: " + path.string() + ": " + reason;
}

namespace {

bool addFolder(const fs::path& folder, std::vector<fs::path>& files, std::vector<std::string>& errors) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec))
        if (it->path().extension() == ".game") files.push_back(it->path());
    if (ec) errors.push_back(fileError(folder, ec.message()));
    return !ec;
}

}  // namespace

bool collectSources(const std::vector<std::string>& arguments, std::vector<fs::path>& files,
                    std::vector<std::string>& errors) {
    bool ok = true;
    for (const std::string& argument : arguments) {
        const fs::path p = argument;
        std::error_code ec;
        const fs::file_status status = fs::status(p, ec);
        if (ec && ec != std::errc::no_such_file_or_directory) {
            errors.push_back(fileError(p, ec.message()));
            ok = false;
        } else if (fs::is_directory(status)) {
            ok = addFolder(p, files, errors) && ok;
        } else {
            files.push_back(p);  // a missing file is reported when it is read
        }
    }
    std::sort(files.begin(), files.end());
    return ok;
}

bool readSource(const fs::path& file, std::string& text, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(file, ec)) {
        error = fileError(file, std::make_error_code(std::errc::is_a_directory).message());
        return false;
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = fileError(file, errno ? std::strerror(errno) : "cannot be read");
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        error = fileError(file, "cannot be read");
        return false;
    }
    text = buffer.str();
    return true;
}

bool writeOutput(const fs::path& output, const std::string& data, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(output, ec)) {
        error = fileError(output, std::make_error_code(std::errc::is_a_directory).message());
        return false;
    }
    const fs::path temp = output.string() + ".tmp";
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
        error = fileError(temp, errno ? std::strerror(errno) : "cannot be written");
        return false;
    }
    out << data;
    out.close();
    if (!out) {
        error = fileError(temp, "cannot be written");
        fs::remove(temp, ec);
        return false;
    }
    fs::rename(temp, output, ec);
    if (ec) {
        error = fileError(output, ec.message());
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

}  // namespace gamesdat
