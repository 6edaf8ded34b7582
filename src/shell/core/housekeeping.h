#pragma once
// Files in the program folder that belong to releases: the current
// version marker is written, files of earlier releases are removed.
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

inline constexpr std::string_view VersionMarkerFile = "QUILV0380.DAT";
inline constexpr std::string_view VersionMarkerLine = "Pallmore version: 03.80";

// Writes the marker when it does not exist; failures are ignored.
void WriteVersionMarker(std::string_view programFolder);

// The files of earlier releases, relative to the program folder, that are
// present in it now (some groups only count when their first file exists).
std::vector<std::string> OldReleaseFiles(std::string_view programFolder);

// Deletes them; failures are ignored.
void CleanUpOldFiles(std::string_view programFolder);

}  // namespace vantrel
