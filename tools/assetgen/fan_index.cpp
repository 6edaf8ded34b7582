#include "fan_index.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace assetgen {

namespace {

// Every box ends inside both sizes' strips: 16.8 units down (14 px at M),
// 12 units across (10 px at M).
constexpr QRectF kRankBox(2.0, 2.4, 9.4, 12.8);
constexpr QRectF kSuitBeside(12.4, 2.4, 12.0, 12.6);
constexpr QRectF kSuitUnder(1.2, 18.6, 10.0, 11.6);
constexpr QRectF kSuitTopRight(61.0, 2.6, 8.6, 10.0);

// The characters set close, scaled so a digit (or a J or Q with its tail)
// fills the box height, and squeezed sideways only when too wide: a "10" must
// fit the narrow corner. Liberation's digits are narrower than DejaVu's
// and its J stays on the line.
void fillRank(QPainter &p, int rank, const QRectF &box, const QBrush &ink)
{
    const QFont font = pixelFont(kNarrowSans, 64, true);
    QPainterPath text;
    double x = 0;
    for (const QChar c : rankText(rank)) {
        QPainterPath glyph;
        glyph.addText(0, 0, font, QString(c));
        const QRectF b = glyph.boundingRect();
        glyph.translate(x - b.left(), 0);
        text.addPath(glyph);
        x += b.width() + 4;
    }
    QPainterPath digit;
    digit.addText(0, 0, font, QStringLiteral("8"));
    const QRectF d = digit.boundingRect();
    const QRectF t = text.boundingRect();
    const double top = std::min(d.top(), t.top());
    const double scale = box.height() / (std::max(d.bottom(), t.bottom()) - top);
    const double squeeze = std::min(1.0, box.width() / (t.width() * scale));
    QTransform m;
    m.translate(box.center().x(), box.top());
    m.scale(scale * squeeze, scale);
    m.translate(-t.center().x(), -top);
    p.fillPath(m.map(text), ink);
}

// At ten pixels the pip club reads as a spade: the index club parts its
// lobes so the notches between them show.
QPainterPath indexSuit(Suit suit, const QRectF &box)
{
    if (suit != Suit::Clubs)
        return suitPathIn(suit, box);
    QPainterPath club;
    club.setFillRule(Qt::WindingFill);
    club.addEllipse(QPointF(0.5, 0.23), 0.23, 0.23);
    club.addEllipse(QPointF(0.23, 0.62), 0.23, 0.23);
    club.addEllipse(QPointF(0.77, 0.62), 0.23, 0.23);
    club.moveTo(0.44, 0.40);
    club.lineTo(0.56, 0.40);
    club.lineTo(0.62, 1.0);
    club.lineTo(0.38, 1.0);
    club.closeSubpath();
    const QRectF r = suitRectIn(box);
    return QTransform(r.width(), 0, 0, r.height(), r.left(), r.top()).map(club.simplified());
}

template <typename Draw>
void atBothCorners(QPainter &p, Draw draw)
{
    draw();
    p.save();
    p.translate(kFaceDesignW, kFaceDesignH);
    p.rotate(180);
    draw();
    p.restore();
}

} // namespace

QString rankText(int rank)
{
    static const char *names[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(names[rank - 1]);
}

void drawFanIndex(QPainter &p, int rank, Suit suit, const QBrush &ink)
{
    atBothCorners(p, [&] {
        fillRank(p, rank, kRankBox, ink);
        p.fillPath(indexSuit(suit, kSuitBeside), ink);
        p.fillPath(indexSuit(suit, kSuitUnder), ink);
    });
}

void drawFanSuitMarks(QPainter &p, Suit suit, const QBrush &ink)
{
    atBothCorners(p, [&] { p.fillPath(indexSuit(suit, kSuitTopRight), ink); });
}

void clearDeckIndex(QPainter &p, const QRectF &topLeft, const QColor &paper)
{
    atBothCorners(p, [&] { p.fillRect(topLeft, paper); });
}

} // namespace assetgen
