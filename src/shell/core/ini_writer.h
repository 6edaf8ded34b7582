#pragma once
// Writing one key of an INI file without ever damaging the file: the new
// text is written whole to a temporary file beside it, flushed to disk,
// checked, and only then renamed over the old file. Every other byte of
// the file (comments, blank lines, unknown or even binary lines) is kept.
//
// minIni's own writer is not used: it ignores failed writes (a full disk
// leaves a cut-off file in place of the old one) and drops the rest of a
// line at a NUL byte.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel {

// The file's text with `key` of `section` set to `value`: the first
// matching key line of the first matching section is replaced, a missing
// key is added at the end of the section, a missing section at the end of
// the file. Sections and keys match without regard to case.
std::string withIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

using IniValues = std::vector<std::pair<std::string, std::string>>;  // key, value

// Writes the changed text to `path` as described above; false (and the
// file untouched) when any step fails. A `path` that is a symbolic link is
// written through to its target, so the link stays a link.
bool writeIniValue(const std::string& path, std::string_view section, std::string_view key, std::string_view value);

// Several keys of one section in a single replace of the file: after a
// kill at any moment the file holds all of them or none.
bool writeIniValues(const std::string& path, std::string_view section, const IniValues& values);

// The same for keys of several sections (section, its keys).
using IniSections = std::vector<std::pair<std::string, IniValues>>;
bool writeIniSections(const std::string& path, const IniSections& sections);

// The file a write of `path` replaces: `path` with its symbolic links
// followed (a dangling link gives the file it would create).
std::string iniWriteTarget(const std::string& path);

// Removes temporaries of earlier writes of `path` that a kill left beside
// it: only names of the writer's own pattern ("CFG.DAT.XXXXXX", six
// letters or digits), only plain files, and only ones old enough that no
// running write can still own them. Failures are ignored.
void removeLeftoverTemporaries(const std::string& path);

}  // namespace vantrel
