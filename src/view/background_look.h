#pragma once
// The table's background as a rule rather than a picture: any rectangle
// of it is painted on demand, so no table-sized copy of it is kept.
#include <QColor>
#include <QImage>
#include <QRect>
#include <vector>

namespace vantrel {

class BackgroundLook {
public:
    BackgroundLook() = default;  // black
    static BackgroundLook plain(QRgb colour, QSize area);
    // `tile` repeated from the top-left corner; black when it is null.
    static BackgroundLook tiled(const QImage& tile, QSize area);
    // `picture` once at the top-left corner, `around` elsewhere.
    static BackgroundLook single(const QImage& picture, QRgb around, QSize area);
    // 256 bands from `colour` at the top to black, over `fadeHeight` rows;
    // rows below them are black.
    static BackgroundLook faded(QColor colour, int fadeHeight, QSize area);

    QSize area() const { return area_; }
    // Paints `from` (table coordinates) at `to` on `dst`, clipped to the
    // area and to `dst` as copyRect clips. `dst` must be a 32-bit picture.
    void paint(QImage& dst, QPoint to, QRect from) const;
    // The background at `p`; `outside` beyond the area.
    QRgb pixel(QPoint p, QRgb outside = 0) const;

private:
    enum class Kind { Plain, Tiled, Single, Faded };
    void paintRow(QRgb* out, int x, int y, int count) const;

    Kind kind_ = Kind::Plain;
    QRgb colour_ = 0xFF000000;
    QImage picture_;           // the tile or the single picture, 32-bit
    std::vector<QRgb> rows_;   // the fade's colour of every row
    QSize area_;
};

// The colour of every fade row from the top, `rows` of them: 256 bands
// from `colour` down to black sized to end exactly at `fadeHeight`.
std::vector<QRgb> fadeRows(QColor colour, int fadeHeight, int rows);

}  // namespace vantrel
