#include "contact_sheet.h"

#include "paint_kit.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace assetgen {

namespace {

constexpr int kSheetWidth = 1900;
constexpr int kGap = 10;
constexpr int kLabelHeight = 14;
constexpr int kTitleHeight = 26;
constexpr int kSmall = 48;   // pictures up to this size are also shown enlarged
constexpr int kEnlarge = 3;

QImage replaceColour(const QImage &image, QRgb from, QRgb to)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xffffff) == (from & 0xffffff))
                line[x] = to;
    }
    return out;
}

// What one cell of the sheet shows for a picture.
QImage shownPicture(const NamedPicture &picture, const PictureGroup &group)
{
    QImage image = picture.image;
    if (group.seeThrough)
        image = replaceColour(image, group.seeThrough->rgb(), group.shownOn.rgb());
    if (group.tiled) {
        QImage tiles(image.width() * 2, image.height() * 2, QImage::Format_RGB32);
        QPainter p(&tiles);
        for (int i = 0; i < 4; ++i)
            p.drawImage(i % 2 * image.width(), i / 2 * image.height(), image);
        return tiles;
    }
    if (image.width() <= kSmall && image.height() <= kSmall) {
        const QImage big = image.scaled(image.size() * kEnlarge, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QImage both(image.width() + kGap / 2 + big.width(), big.height(), QImage::Format_ARGB32);
        both.fill(Qt::transparent);
        QPainter p(&both);
        p.drawImage(0, 0, image);
        p.drawImage(image.width() + kGap / 2, 0, big);
        return both;
    }
    return image;
}

struct Placed {
    QImage image;
    QString name;
    QPoint at;
    QColor background;
};

} // namespace

QImage makeContactSheet(const std::vector<PictureGroup> &groups)
{
    const QFont label = pixelFont(kSans, 10, false);
    const QFont title = pixelFont(kSans, 16, true);
    const QFontMetrics labelMetrics(label);

    // First pass: flow every group's pictures into rows.
    std::vector<Placed> placed;
    std::vector<std::pair<QString, int>> titles;
    int y = kGap;
    for (const PictureGroup &group : groups) {
        titles.emplace_back(group.title, y);
        y += kTitleHeight;
        int x = kGap, rowHeight = 0;
        for (const NamedPicture &picture : *group.pictures) {
            QImage shown = shownPicture(picture, group);
            const int w = std::max(shown.width(), labelMetrics.horizontalAdvance(picture.name));
            const int h = shown.height() + kLabelHeight;
            if (x + w > kSheetWidth - kGap && x > kGap) {
                x = kGap;
                y += rowHeight + kGap;
                rowHeight = 0;
            }
            placed.push_back({std::move(shown), picture.name, QPoint(x, y), group.shownOn});
            x += w + kGap;
            rowHeight = std::max(rowHeight, h);
        }
        y += rowHeight + 2 * kGap;
    }

    QImage sheet(kSheetWidth, y, QImage::Format_RGB32);
    sheet.fill(QColor(0, 96, 0)); // the default table colour, where most pictures are seen
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    p.setFont(title);
    for (const auto &[text, top] : titles)
        p.drawText(QRect(kGap, top, kSheetWidth, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setFont(label);
    for (const Placed &item : placed) {
        const QRect area(item.at + QPoint(0, kLabelHeight), item.image.size());
        p.fillRect(area, item.background);
        p.drawImage(area.topLeft(), item.image);
        p.drawText(QRect(item.at.x(), item.at.y(), 400, kLabelHeight), Qt::AlignLeft | Qt::AlignTop, item.name);
    }
    return sheet;
}

} // namespace assetgen
