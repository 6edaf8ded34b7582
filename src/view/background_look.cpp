#include "view/background_look.h"

#include <algorithm>
#include <cstring>

namespace vantrel {

namespace {

constexpr QRgb Black = 0xFF000000;

// MulDiv: a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>((p + c / 2) / c);
}

QImage asRgb32(const QImage& img) {
    return img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

std::vector<QRgb> fadeRows(QColor colour, int fadeHeight, int rows) {
    std::vector<QRgb> out(static_cast<size_t>(std::max(rows, 0)), Black);
    const int r = colour.red(), g = colour.green(), b = colour.blue();
    for (int fromTop = 0; fromTop < 256 && fadeHeight > 0; ++fromTop) {
        const int i = 255 - fromTop;  // counted from the bottom
        const int top = mulDiv(fromTop, fadeHeight, 256);
        const int bottom = std::min(mulDiv(fromTop + 1, fadeHeight, 256), rows);
        std::fill(out.begin() + std::min(top, bottom), out.begin() + bottom, qRgb(r * i / 256, g * i / 256, b * i / 256));
    }
    return out;
}

BackgroundLook BackgroundLook::plain(QRgb colour, QSize area) {
    BackgroundLook look;
    look.colour_ = colour | Black;
    look.area_ = area;
    return look;
}

BackgroundLook BackgroundLook::tiled(const QImage& tile, QSize area) {
    if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0) return plain(Black, area);
    BackgroundLook look = plain(Black, area);
    look.kind_ = Kind::Tiled;
    look.picture_ = asRgb32(tile);
    return look;
}

BackgroundLook BackgroundLook::single(const QImage& picture, QRgb around, QSize area) {
    BackgroundLook look = plain(around, area);
    if (picture.isNull()) return look;
    look.kind_ = Kind::Single;
    look.picture_ = asRgb32(picture);
    return look;
}

BackgroundLook BackgroundLook::faded(QColor colour, int fadeHeight, QSize area) {
    BackgroundLook look = plain(Black, area);
    look.kind_ = Kind::Faded;
    look.rows_ = fadeRows(colour, fadeHeight, area.height());
    return look;
}

void BackgroundLook::paintRow(QRgb* out, int x, int y, int count) const {
    switch (kind_) {
        case Kind::Plain: std::fill_n(out, count, colour_); return;
        case Kind::Faded: std::fill_n(out, count, rows_[static_cast<size_t>(y)]); return;
        case Kind::Tiled: {
            const auto* line = reinterpret_cast<const QRgb*>(picture_.constScanLine(y % picture_.height()));
            const int w = picture_.width();
            for (int done = 0; done < count;) {
                const int from = (x + done) % w;
                const int n = std::min(w - from, count - done);
                std::memcpy(out + done, line + from, static_cast<size_t>(n) * sizeof(QRgb));
                done += n;
            }
            return;
        }
        case Kind::Single: {
            int n = 0;
            if (y < picture_.height() && x < picture_.width()) {
                n = std::min(picture_.width() - x, count);
                std::memcpy(out, reinterpret_cast<const QRgb*>(picture_.constScanLine(y)) + x, static_cast<size_t>(n) * sizeof(QRgb));
            }
            std::fill_n(out + n, count - n, colour_);
            return;
        }
    }
}

void BackgroundLook::paint(QImage& dst, QPoint to, QRect from) const {
    // The same clipping as copyRect: to the area first, then to `dst`.
    QRect s = from.intersected(QRect(QPoint(0, 0), area_));
    const QPoint d = to + (s.topLeft() - from.topLeft());
    const QRect target = QRect(d, s.size()).intersected(dst.rect());
    if (target.isEmpty()) return;
    s = QRect(s.topLeft() + (target.topLeft() - d), target.size());
    for (int row = 0; row < target.height(); ++row) {
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(target.top() + row)) + target.left();
        paintRow(out, s.left(), s.top() + row, target.width());
    }
}

QRgb BackgroundLook::pixel(QPoint p, QRgb outside) const {
    if (!QRect(QPoint(0, 0), area_).contains(p)) return outside;
    QRgb c;
    paintRow(&c, p.x(), p.y(), 1);
    return c;
}

}  // namespace vantrel
