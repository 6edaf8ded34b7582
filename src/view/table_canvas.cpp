#include "view/table_canvas.h"

#include <algorithm>
#include <cstring>

namespace vantrel {

void TableCanvas::resize(QSize windowSize, QSize tableSize) {
    auto fresh = [](QSize s) {
        QImage img(s.expandedTo(QSize(1, 1)), Format);
        img.fill(Qt::black);
        return img;
    };
    // The old pictures go before the new ones are made.
    window = QImage();
    table = QImage();
    window = fresh(windowSize);
    table = fresh(tableSize);
    background = BackgroundLook::plain(qRgb(0, 0, 0), table.size());
}

void TableCanvas::noteBottom(int windowY, int height) {
    bottomTracker = std::max(bottomTracker, windowY + height + scroll);
}

void TableCanvas::flush() {
    const QRect area = unpainted.intersected(window.rect());
    unpainted = QRect();
    if (paintNow && !area.isEmpty()) paintNow(area);
}

void copyRect(QImage& dst, QPoint to, const QImage& src, QRect from) {
    // Clip the source rectangle to the source, then to the destination.
    QRect s = from.intersected(src.rect());
    QPoint d = to + (s.topLeft() - from.topLeft());
    QRect target = QRect(d, s.size()).intersected(dst.rect());
    if (target.isEmpty()) return;
    s = QRect(s.topLeft() + (target.topLeft() - d), target.size());
    const int bytes = target.width() * 4;
    for (int row = 0; row < target.height(); ++row) {
        const uchar* in = src.constScanLine(s.top() + row) + s.left() * 4;
        uchar* out = dst.scanLine(target.top() + row) + target.left() * 4;
        std::memmove(out, in, static_cast<size_t>(bytes));
    }
}

}  // namespace vantrel
