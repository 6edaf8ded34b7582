#include "shell/file_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <cstdlib>
#include <filesystem>

#include "model/messages.h"
#include "model/state_record.h"
#include "shell/core/path_helper.h"
#include "shell/qt_text.h"

namespace vantrel {

namespace {

class ProgramFatalReporter : public FatalReporter {
public:
    void fatal(std::string_view title, std::string_view text) override {
        QApplication::restoreOverrideCursor();
        QMessageBox::critical(nullptr, toQt(title), toQt(text));
        std::exit(EXIT_FAILURE);
    }
};

bool require(const std::string& path, const std::string& text, FatalReporter& reporter) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return true;
    reporter.fatal("Error", text);
    return false;
}

}  // namespace

FatalReporter& programFatalReporter() {
    static ProgramFatalReporter reporter;
    return reporter;
}

std::string missingFileText(std::string_view path) {
    return "Cannot find file:\n" + std::string(path) +
           "\nCopy the file into the directory that above is specified\nor reinstall the program.";
}

std::string missingImageText(std::string_view path) {
    return "Cannot find images file:\n" + std::string(path) +
           "\nSome program components cannot be shown correctly.\nCopy the file into the directory that above is "
           "specified\nor reinstall the program.";
}

bool RequireFile(const std::string& path, FatalReporter& reporter) {
    return require(path, missingFileText(path), reporter);
}

bool RequireImageFile(const std::string& path, FatalReporter& reporter) {
    return require(path, missingImageText(path), reporter);
}

std::string pictureFilePath(const StateRecord& state, std::string_view name) {
    if (name.find('\\') != std::string_view::npos || name.find('/') != std::string_view::npos)
        return resolvePath(state.read(field::Program_Folder), name);
    return programPath(state, "Images\\" + std::string(name) + ".bmp");
}

QImage LoadPictureFile(const StateRecord& state, std::string_view name, FatalReporter& reporter,
                       Messages* messages) {
    const std::string path = pictureFilePath(state, name);
    if (!RequireImageFile(path, reporter)) return {};
    // Naming the format spares probing every image plugin.
    const bool bitmap = path.size() > 4 && QString::fromStdString(path.substr(path.size() - 4)).toLower() == ".bmp";
    QImage picture;
    picture.load(QString::fromStdString(path), bitmap ? "BMP" : nullptr);
    if (picture.isNull() && messages) messages->infoBox("The picture file " + path + " cannot be read.");
    return picture;
}

void DrawPictureFile(QPainter& target, const StateRecord& state, std::string_view name, FatalReporter& reporter) {
    const QImage picture = LoadPictureFile(state, name, reporter);
    if (!picture.isNull()) target.drawImage(0, 0, picture);
}

void TilePicture(QPainter& target, int width, int height, const StateRecord& state, std::string_view name,
                 FatalReporter& reporter, Messages& messages) {
    if (name.empty()) {
        messages.infoBox("fnRiempi Image: bad option");
        return;
    }
    const QImage picture = LoadPictureFile(state, name, reporter, &messages);
    if (picture.width() <= 0 || picture.height() <= 0) return;
    for (int y = 0; y <= height; y += picture.height())
        for (int x = 0; x <= width; x += picture.width()) target.drawImage(x, y, picture);
}

}  // namespace vantrel
