// Writing the generated pictures and sounds to disk.
#pragma once

#include "named_picture.h"

#include <QByteArray>

namespace assetgen {

// Saves each picture as <folder>/<name>.png and writes <folder>/<qrcName>
// listing them under their bare names at the resource root.
void writeResourcePictures(const PictureList &pictures, const QString &folder, const QString &qrcName);

// Saves each picture as <folder>/<name>.bmp (24-bit).
void writeBitmaps(const PictureList &pictures, const QString &folder);

struct SoundFile;
// Saves each sound as <folder>/<file name>.
void writeSounds(const std::vector<SoundFile> &sounds, const QString &folder);

QByteArray encodePng(const QImage &image);

// Writes bytes to a file only when they differ from what is there, so
// unchanged outputs keep their time stamps.
void writeFileIfChanged(const QString &path, const QByteArray &bytes);

} // namespace assetgen
