#pragma once
// The picture library QUIL.RGF: a Qt binary resource file of named
// pictures, registered while the main window lives.
#include <QImage>
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

inline constexpr std::string_view ResourceLibraryFile = "QUIL.RGF";

class ResourceLibrary {
public:
    ResourceLibrary() = default;
    ~ResourceLibrary() { release(); }
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // False when the file is missing or not a resource file.
    bool load(const std::string& path);
    void release();
    bool loaded() const { return data_ != nullptr; }

    // "Can't find/load " + the path in lower case.
    static std::string loadFailureText(const std::string& path);

private:
    void* data_ = nullptr;
    size_t size_ = 0;
};

// The library's picture of that name; a null image when there is none.
QImage LoadResourcePicture(std::string_view name);

// A PNG picture read as PNG: a reader not told the format, or left to
// guess it, asks every image format plugin first. Null when unreadable.
QImage ReadPngPicture(const QString& path);

}  // namespace vantrel
