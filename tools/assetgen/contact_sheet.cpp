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

struct Placed {
    const NamedPicture *picture;
    QPoint at;
};

} // namespace

QImage makeContactSheet(const std::vector<PictureGroup> &groups)
{
    const QFont label = pixelFont(QStringLiteral("DejaVu Sans"), 10, false);
    const QFont title = pixelFont(QStringLiteral("DejaVu Sans"), 16, true);
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
            const int w = std::max(picture.image.width(), labelMetrics.horizontalAdvance(picture.name));
            const int h = picture.image.height() + kLabelHeight;
            if (x + w > kSheetWidth - kGap && x > kGap) {
                x = kGap;
                y += rowHeight + kGap;
                rowHeight = 0;
            }
            placed.push_back({&picture, QPoint(x, y)});
            x += w + kGap;
            rowHeight = std::max(rowHeight, h);
        }
        y += rowHeight + 2 * kGap;
    }

    QImage sheet(kSheetWidth, y, QImage::Format_RGB32);
    sheet.fill(QColor(0, 96, 0)); // the default table colour, where the pictures are seen
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    p.setFont(title);
    for (const auto &[text, top] : titles)
        p.drawText(QRect(kGap, top, kSheetWidth, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setFont(label);
    for (const Placed &item : placed) {
        p.drawImage(item.at + QPoint(0, kLabelHeight), item.picture->image);
        p.drawText(QRect(item.at.x(), item.at.y(), 400, kLabelHeight), Qt::AlignLeft | Qt::AlignTop,
                   item.picture->name);
    }
    return sheet;
}

} // namespace assetgen
