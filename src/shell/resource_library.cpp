#include "shell/resource_library.h"

#include <QImageReader>
#include <QResource>
#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {

namespace {
// The mapping registered now; pictures are read through Qt's resource
// system, which knows nothing of it.
struct Mapping {
    void* data = nullptr;
    size_t size = 0;
} registered;
}  // namespace

bool ResourceLibrary::load(const std::string& path) {
    release();
    // Mapped by hand so the kernel brings in only the pages of the pictures
    // read, not their neighbours too: the library is large, start-up reads a
    // few of its pictures.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    void* data = ::fstat(fd, &st) == 0 && st.st_size > 0
                     ? ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0)
                     : MAP_FAILED;
    ::close(fd);
    if (data == MAP_FAILED) return false;
    ::madvise(data, static_cast<size_t>(st.st_size), MADV_RANDOM);
    if (!QResource::registerResource(static_cast<const uchar*>(data))) {
        ::munmap(data, static_cast<size_t>(st.st_size));
        return false;
    }
    data_ = data;
    size_ = static_cast<size_t>(st.st_size);
    registered = {data_, size_};
    return true;
}

void ResourceLibrary::release() {
    if (!data_) return;
    QResource::unregisterResource(static_cast<const uchar*>(data_));
    registered = {};
    ::munmap(data_, size_);
    data_ = nullptr;
    size_ = 0;
}

std::string ResourceLibrary::loadFailureText(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return "Can't find/load " + lower;
}

QImage LoadResourcePicture(std::string_view name) {
    // The library's pictures lie at the resource root under their bare
    // names, all PNG.
    QImage picture =
        ReadPngPicture(QStringLiteral(":/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    // Once decoded, the file's pages are not needed: the kernel maps whole
    // cached blocks around each read, so without this the entire library
    // stays resident. The next read brings back what it touches.
    if (registered.data) ::madvise(registered.data, registered.size, MADV_DONTNEED);
    return picture;
}

QImage ReadPngPicture(const QString& path) {
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace vantrel
