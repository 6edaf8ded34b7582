#include "table_preview.h"

#include <QPainter>
#include <stdexcept>

namespace assetgen {

namespace {

const QImage &find(const PictureList &pictures, const QString &name)
{
    for (const NamedPicture &picture : pictures)
        if (picture.name == name)
            return picture.image;
    throw std::runtime_error("picture " + name.toStdString() + " was not drawn");
}

QImage keyed(const QImage &image, QRgb key)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if ((out.pixel(x, y) & 0xffffff) == (key & 0xffffff))
                out.setPixel(x, y, 0);
    return out;
}

// A stock of `cards` at (x, y): edges cut at 15 - d, the top card d pixels
// up and left.
void drawStock(QPainter &p, const PictureList &library, const QImage &back, const CardSize &size, int x, int y,
               int cards)
{
    const int d = cards <= 1 ? 0 : cards == 2 ? 1 : cards / 7 + 1;
    const QImage right = keyed(find(library, sizedName("3D_BORDER_", size, "1")), qRgb(0, 0, 255));
    const QImage bottom = keyed(find(library, sizedName("3D_BORDER_", size, "2")), qRgb(0, 0, 255));
    const int cut = 15 - d;
    p.drawImage(QPoint(x + size.width - d, y - d), right, QRect(cut, cut, d, size.height + d));
    p.drawImage(QPoint(x - d, y + size.height - d), bottom, QRect(cut, cut, size.width + d, d));
    p.drawImage(x - d, y - d, back);
}

void drawLifted(QPainter &p, const PictureList &library, const QImage &face, const CardSize &size, int x, int y)
{
    const int depth = 9, right = x + size.width, bottom = y + size.height;
    p.drawImage(x, y, face);
    p.drawImage(right, y + depth - 2, keyed(find(library, sizedName("SHADOW_", size, "1")), qRgb(255, 255, 255)));
    p.drawImage(x + depth - 1, bottom,
                keyed(find(library, sizedName("SHADOW_", size, "2")), qRgb(255, 255, 255)));
    p.fillRect(right - 1, bottom - 2, 1, 1, Qt::black);
    p.fillRect(right - 2, bottom - 1, 1, 1, Qt::black);
}

} // namespace

PictureList makeTablePreview(const PictureList &library, const PictureList &backs)
{
    QImage scene(470, 140, QImage::Format_RGB32);
    scene.fill(QColor(0, 96, 0));
    QPainter p(&scene);
    int x = 20;
    for (const CardSize &size : kCardSizes) {
        const QImage &back = find(backs, sizedName("D", size, "006"));
        drawStock(p, library, back, size, x + 14, 30, size.letter == 'B' ? 52 : 24);
        const QImage face = find(library, sizedName("C", size, "001S")).copy(0, 0, size.width, size.height);
        drawLifted(p, library, face, size, x + size.width + 24, 24);
        x += size.width * 2 + 50;
    }
    return {{"table preview: stock 52 / 24 cards, lifted card with shadow", scene}};
}

} // namespace assetgen
