#include "shell/resource_library.h"

#include <QImageReader>
#include <QResource>
#include <algorithm>
#include <cctype>

namespace vantrel {

bool ResourceLibrary::load(const std::string& path) {
    release();
    const QString file = QString::fromStdString(path);
    if (!QResource::registerResource(file))
        return false;
    path_ = file;
    return true;
}

void ResourceLibrary::release() {
    if (path_.isEmpty()) return;
    QResource::unregisterResource(path_);
    path_.clear();
}

std::string ResourceLibrary::loadFailureText(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return "Can't find/load " + lower;
}

QImage LoadResourcePicture(std::string_view name) {
    // The library's pictures lie at the resource root under their bare
    // names, all PNG. Without guessing from the contents no image plugin is
    // loaded to be asked first.
    QImageReader reader(QStringLiteral(":/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace vantrel
