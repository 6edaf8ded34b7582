#pragma once
// The file side of gamesdat: finding the sources named on the command
// line, reading them and writing GAMES.DAT. Every failure becomes a
// "gamesdat: <path>: <reason>" message, never an exception.
#include <filesystem>
#include <string>
#include <vector>

namespace gamesdat {

// "gamesdat: <path>: <reason>".
std::string fileError(const std::filesystem::path& path, const std::string& reason);

// Files and folders (their *.game files) in sorted order; false with a
// message per argument that cannot be looked at.
bool collectSources(const std::vector<std::string>& arguments, std::vector<std::filesystem::path>& files,
                    std::vector<std::string>& errors);

// The whole file; false with a message when it cannot be read.
bool readSource(const std::filesystem::path& file, std::string& text, std::string& error);

// Writes `data` beside `output` and renames it into place, so a failed run
// leaves neither a half-written data file nor its temporary behind.
bool writeOutput(const std::filesystem::path& output, const std::string& data, std::string& error);

}  // namespace gamesdat
