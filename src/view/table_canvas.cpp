#include "view/table_canvas.h"

#include <algorithm>
#include <cstring>

namespace vantrel {

TableCanvas::Resized TableCanvas::resize(QSize windowSize, QSize tableSize, int fullHeight) {
    auto black = [](QSize s) {
        QImage img(s, Format);
        img.fill(Qt::black);
        return img;
    };
    windowSize = windowSize.expandedTo(QSize(1, 1));
    tableSize = tableSize.expandedTo(windowSize);  // the window shows part of the table picture
    Resized changed;
    fullHeight_ = fullHeight;
    if (table.size() != tableSize) {
        // The old picture goes first, so that only one table-sized picture
        // is alive at once.
        table = QImage();
        table = black(tableSize);
        background = BackgroundLook::plain(qRgb(0, 0, 0), tableSize);
        changed.table = true;
    }
    if (windowSize_ != windowSize) {
        windowSize_ = windowSize;
        if (hasOverlay()) overlay_ = black(windowSize);
        changed.window = true;
    }
    return changed;
}

QImage& TableCanvas::overlay() {
    if (overlay_.isNull()) {
        overlay_ = QImage(windowSize_, Format);
        overlay_.fill(Qt::black);
        copyRect(overlay_, QPoint(0, 0), table, QRect(QPoint(0, scroll), windowSize_));
        overlaid_ = QRect();
    }
    return overlay_;
}

void TableCanvas::settle() {
    if (!hasOverlay() || holds_ > 0 || dragShown_ || peekRect) return;
    overlay_ = QImage();
    // The table picture should show the same there; repainting is cheap
    // and keeps the screen right if it does not.
    noteWindow(overlaid_);
    overlaid_ = QRect();
}

QImage TableCanvas::shown() const {
    if (hasOverlay()) return overlay_;
    QImage img(windowSize_, Format);
    img.fill(Qt::black);
    copyRect(img, QPoint(0, 0), table, QRect(QPoint(0, scroll), windowSize_));
    return img;
}

void TableCanvas::noteBottom(int windowY, int height) {
    bottomTracker = std::max(bottomTracker, windowY + height + scroll);
}

void TableCanvas::flush() {
    const QRect area = unpainted.intersected(windowRect());
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
