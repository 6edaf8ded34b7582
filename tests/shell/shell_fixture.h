#pragma once
// A throw-away program folder for each test, with helpers to put files in
// it and read them back.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "model/games_file.h"
#include "../fixtures/games_dat_text.h"

namespace vantrel::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-shell-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern + "/";
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With trailing '/'.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + relative; }

    void write(const std::string& relative, const std::string& text) const {
        const std::filesystem::path p = path_ + relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }
    std::string read(const std::string& relative) const {
        std::ifstream in(path_ + relative, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool exists(const std::string& relative) const { return std::filesystem::exists(path_ + relative); }

private:
    std::string path_;
};

// Runs `body` in a child process that may not grow any file beyond `bytes`
// (as on a full disk); the child's exit status, or -1 when it did not exit.
inline int withFileSizeLimit(long bytes, const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

using vantrel::fixtures::gameListLine;
using vantrel::fixtures::parameterRow;

// Games 0 "Alpha" and 1 "FreeCell"; [Sect2] rows for parameters 0..2.
inline std::string smallGamesFile() {
    return "[Sect1]\n" + gameListLine(0, "Alpha") + gameListLine(1, "FreeCell") + "[Sect2]\n" +
           parameterRow(0, {10, 20}) + parameterRow(1, {11, 21}) + parameterRow(2, {-5, 22});
}

}  // namespace vantrel::test
