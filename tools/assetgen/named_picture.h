// What every picture generator hands back: pictures with the names the
// program loads them by.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace assetgen {

struct NamedPicture {
    QString name;   // resource name, or file name without ".bmp"
    QImage image;
};

using PictureList = std::vector<NamedPicture>;

// The three card sizes and the letter that names them.
struct CardSize {
    char letter;
    int width;
    int height;
};

inline constexpr CardSize kCardSizes[] = {{'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}};

inline QString sizedName(const char *prefix, const CardSize &size, const QString &suffix)
{
    return QString::fromLatin1(prefix) + QChar::fromLatin1(size.letter) + suffix;
}

inline QString threeDigits(int n)
{
    return QString::asprintf("%03d", n);
}

} // namespace assetgen
