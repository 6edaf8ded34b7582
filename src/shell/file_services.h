#pragma once
// Files the program cannot run without, and the pictures it loads from
// the program folder or from the picture library.
#include <QImage>
#include <QString>
#include <string>
#include <string_view>

class QPainter;

namespace vantrel {

class StateRecord;
class Messages;

// How a missing required file is reported. The program's reporter shows
// the error box and ends the program; tests record the text instead.
class FatalReporter {
public:
    virtual ~FatalReporter() = default;
    virtual void fatal(std::string_view title, std::string_view text) = 0;
};

// Error box titled "Error", then the program ends with a non-zero status.
FatalReporter& programFatalReporter();

std::string missingFileText(std::string_view path);
std::string missingImageText(std::string_view path);

// True when the file exists; otherwise reports it (and the program ends).
bool RequireFile(const std::string& path, FatalReporter& reporter);
bool RequireImageFile(const std::string& path, FatalReporter& reporter);

// `name` with a folder in it is used as it is; a bare name means
// `Images\` + name + ".bmp" in the program folder.
std::string pictureFilePath(const StateRecord& state, std::string_view name);

// The picture, after `RequireImageFile`; a null image when it is missing
// or unreadable (the latter is reported through `messages`).
QImage LoadPictureFile(const StateRecord& state, std::string_view name, FatalReporter& reporter,
                       Messages* messages = nullptr);

// Copies the picture unscaled to (0, 0) of `target`.
void DrawPictureFile(QPainter& target, const StateRecord& state, std::string_view name, FatalReporter& reporter);

// Tiles the picture over width x height of `target`: along the top row,
// then that row downwards. An empty name shows "fnRiempi Image: bad
// option" and draws nothing; an empty picture draws nothing.
void TilePicture(QPainter& target, int width, int height, const StateRecord& state, std::string_view name,
                 FatalReporter& reporter, Messages& messages);

}  // namespace vantrel
