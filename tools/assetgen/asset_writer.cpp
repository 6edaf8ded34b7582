#include "asset_writer.h"

#include "sounds.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <stdexcept>

namespace assetgen {

namespace {

QByteArray encode(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw std::runtime_error(std::string("cannot encode a picture as ") + format);
    return bytes;
}

void makeFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create folder " + folder.toStdString());
}

} // namespace

void writeFileIfChanged(const QString &path, const QByteArray &bytes)
{
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return;
    old.close();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void writeResourcePictures(const PictureList &pictures, const QString &folder, const QString &qrcName)
{
    makeFolder(folder);
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const NamedPicture &picture : pictures) {
        const QString file = picture.name + ".png";
        writeFileIfChanged(folder + '/' + file, encode(picture.image, "PNG"));
        qrc += "  <file alias=\"" + picture.name.toUtf8() + "\">" + file.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    writeFileIfChanged(folder + '/' + qrcName, qrc);
}

void writeBitmaps(const PictureList &pictures, const QString &folder)
{
    makeFolder(folder);
    for (const NamedPicture &picture : pictures)
        writeFileIfChanged(folder + '/' + picture.name + ".bmp",
                           encode(picture.image.convertToFormat(QImage::Format_RGB888), "BMP"));
}

} // namespace assetgen

namespace assetgen {

QByteArray encodePng(const QImage &image)
{
    return encode(image, "PNG");
}

void writeSounds(const std::vector<SoundFile> &sounds, const QString &folder)
{
    makeFolder(folder);
    for (const SoundFile &sound : sounds)
        writeFileIfChanged(folder + '/' + sound.fileName, sound.wav);
}

} // namespace assetgen
