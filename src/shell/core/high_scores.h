#pragma once
// The high-score file of earlier releases, brought to version 0300 once at
// the first activation of the main window. This program shows no high
// scores; it only keeps the file current.
#include <string>
#include <string_view>

namespace vantrel {

class IniStore;
class Messages;

inline constexpr std::string_view HighScoreFile = "DATA\\STAT_SCR.DAT";
inline constexpr int HighScoreLineLength = 89;

// A score line ("0…") padded with blanks or cut to 89 characters, then
// marked " x"; other lines unchanged.
std::string ConvertHighScoreLine(std::string_view line);

// Converts the file when its version is below 0300, then replaces an old
// "S" of `Cards_Animate` and `ConfirmQuit` by "Y". Failures are reported
// through `messages` and leave the old file in place.
void ConvertHighScores(std::string_view programFolder, IniStore& prefs, Messages& messages);

}  // namespace vantrel
