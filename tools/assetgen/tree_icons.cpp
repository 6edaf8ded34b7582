#include "tree_icons.h"

#include "icon_kit.h"

namespace assetgen {

namespace {

constexpr Suit kHeart = Suit::Hearts, kSpade = Suit::Spades, kDiamond = Suit::Diamonds, kClub = Suit::Clubs;

void cardBackLeaf(QPainter &p)
{
    drawMiniCard(p, QRectF(3, 1, 10, 14), 0, QColor(30, 70, 170));
    p.setPen(QPen(QColor(150, 190, 255), 0.6));
    for (double d = -10; d < 14; d += 2.5)
        p.drawLine(QPointF(4 + d, 2), QPointF(4 + d + 12, 14));
    p.setPen(QPen(QColor(40, 40, 40), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 1, 10, 14), 1.2, 1.2);
    p.setPen(QPen(Qt::white, 0.8));
    p.drawRect(QRectF(4.5, 2.5, 7, 11));
}

void pictureLeaf(QPainter &p)
{
    const QRectF frame(1, 3, 14, 10);
    QLinearGradient sky(0, 3, 0, 10);
    sky.setColorAt(0, QColor(90, 160, 240));
    sky.setColorAt(1, QColor(200, 230, 255));
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(sky);
    p.drawRect(frame);
    QPainterPath hill;
    hill.moveTo(1.4, 12.6);
    hill.cubicTo(4, 7, 7, 8, 9, 10);
    hill.cubicTo(11, 8, 13, 8, 14.6, 10);
    hill.lineTo(14.6, 12.6);
    hill.closeSubpath();
    p.fillPath(hill, QColor(60, 150, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(QPointF(11.5, 5.8), 1.5, 1.5);
}

void colourLeaf(QPainter &p)
{
    const QColor colours[] = {QColor(220, 40, 40), QColor(40, 170, 60), QColor(40, 80, 220), QColor(250, 200, 30)};
    p.setPen(QPen(QColor(50, 50, 50), 0.7));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(1.5 + (i % 2) * 6.5, 1.5 + (i / 2) * 6.5, 6, 6));
    }
}

void canfield(QPainter &p)
{
    // A thick reserve beside a foundation card.
    for (int i = 0; i < 3; ++i)
        drawMiniCard(p, QRectF(1 + i, 4 - i, 7, 10), 0, QColor(40, 90, 190));
    drawMiniCard(p, QRectF(8.5, 3, 7, 10), 0, Qt::white, &kHeart);
}

void fortyThieves(QPainter &p)
{
    // Four columns of two cards, the front ones showing their suits.
    const Suit suits[] = {kHeart, kSpade, kDiamond, kClub};
    for (int col = 0; col < 4; ++col) {
        const QRectF back(0.4 + col * 3.9, 0.8, 3.6, 7.5);
        drawMiniCard(p, back, 0, QColor(40, 90, 190));
        const QRectF front = back.translated(0, 6.6);
        drawMiniCard(p, front, 0, Qt::white);
        p.fillPath(suitPathIn(suits[col], front.adjusted(0.5, 2, -0.5, -2)),
                   isRed(suits[col]) ? QColor(214, 0, 0) : Qt::black);
    }
}

void freeCell(QPainter &p)
{
    // Four free cells above a column.
    p.setPen(QPen(QColor(20, 110, 40), 0.9));
    p.setBrush(QColor(200, 240, 200));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(0.6 + i * 3.8, 0.6, 3.2, 4.4));
    drawMiniCard(p, QRectF(4, 6, 8, 9.4), 0, Qt::white, &kClub);
}

void klondike(QPainter &p)
{
    // The staircase of the deal: backs under one face-up card per column.
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row <= col; ++row)
            drawMiniCard(p, QRectF(0.5 + col * 5.2, 0.5 + row * 3.2, 4.8, 7.2), 0,
                         row == col ? Qt::white : QColor(40, 90, 190));
    p.fillPath(suitPathIn(kDiamond, QRectF(11.2, 8.4, 4, 4.4)), QColor(214, 0, 0));
    p.fillPath(suitPathIn(kSpade, QRectF(6, 5.2, 4, 4.4)), Qt::black);
    p.fillPath(suitPathIn(kHeart, QRectF(0.9, 2, 4, 4.4)), QColor(214, 0, 0));
}

void pairing(QPainter &p)
{
    drawMiniCard(p, QRectF(0.8, 2, 7, 10), -10, Qt::white, &kHeart);
    drawMiniCard(p, QRectF(8.2, 2, 7, 10), 10, Qt::white, &kHeart);
    p.setPen(QPen(QColor(0, 130, 0), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 14.2), QPointF(11, 14.2));
}

void simpleGames(QPainter &p)
{
    drawMiniCard(p, QRectF(3, 1, 10, 14), 0, Qt::white);
    // A star: games for a relaxed moment.
    p.setPen(QPen(QColor(170, 110, 0), 0.6));
    p.setBrush(QColor(255, 200, 30));
    p.drawPath(starPath(QPointF(8, 8.3), 5, 5, 2.2, -M_PI / 2));
}

void spider(QPainter &p)
{
    p.setPen(QPen(Qt::black, 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int side = -1; side <= 1; side += 2)
        for (int leg = 0; leg < 4; ++leg) {
            const double y = 6.5 + leg * 1.5;
            QPainterPath path;
            path.moveTo(8, y);
            path.quadTo(8 + side * 4.5, y - 4 + leg * 1.5, 8 + side * 7, y + 1 + leg * 1.2);
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(8, 10.5), 3, 3.6);
    p.drawEllipse(QPointF(8, 5.6), 2, 2);
    p.setBrush(QColor(214, 0, 0));
    p.drawEllipse(QPointF(8, 10.8), 1, 1.5);
}

void oneDeck(QPainter &p)
{
    drawMiniCard(p, QRectF(3, 1, 10, 14), 0, Qt::white, &kSpade);
}

void twoDecks(QPainter &p)
{
    drawMiniCard(p, QRectF(1, 1, 9, 12.5), 0, Qt::white, &kSpade);
    drawMiniCard(p, QRectF(6, 3, 9, 12.5), 0, Qt::white, &kHeart);
}

void fan(QPainter &p)
{
    const Suit suits[] = {kClub, kDiamond, kSpade};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(8, 15);
        p.rotate(-30 + i * 30);
        drawMiniCard(p, QRectF(-3.6, -13.5, 7.2, 10), 0, Qt::white, &suits[i]);
        p.restore();
    }
}

void bakersDozen(QPainter &p)
{
    // A column with its king at the bottom.
    for (int i = 0; i < 3; ++i)
        drawMiniCard(p, QRectF(3.5, 0.5 + i * 2.4, 9, 10), 0, Qt::white);
    drawCentredText(p, QStringLiteral("K"), QPointF(8, 11.2), pixelFont(kSans, 7, true),
                    QColor(200, 0, 0));
}

void row(QPainter &p)
{
    const Suit suits[] = {kHeart, kSpade, kDiamond, kClub};
    for (int i = 0; i < 4; ++i)
        drawMiniCard(p, QRectF(0.5 + i * 3.3, 3, 5.6, 10), 0, Qt::white, i == 3 ? &suits[i] : nullptr);
    for (int i = 0; i < 3; ++i) {
        const QRectF pip(1 + i * 3.3, 3.8, 2.4, 2.6);
        p.fillPath(suitPathIn(suits[i], pip), isRed(suits[i]) ? QColor(214, 0, 0) : Qt::black);
    }
}

struct Icon {
    const char *name;
    void (*draw)(QPainter &);
};

const Icon kIcons[] = {
    {"TREE1", [](QPainter &p) { drawFolder(p, false); }},
    {"TREE2", [](QPainter &p) { drawFolder(p, true); }},
    {"N_TREE3", cardBackLeaf},
    {"N_TREE4", pictureLeaf},
    {"N_TREE5", colourLeaf},
    {"TREE5_CANFIELD_TYPE", canfield},
    {"TREE5_FORTYTHIEVES_TYPE", fortyThieves},
    {"TREE5_FREECELL_TYPE", freeCell},
    {"TREE5_KLONDIKE_TYPE", klondike},
    {"TREE5_PAIRING_TYPE", pairing},
    {"TREE5_SIMPLEGAMES_TYPE", simpleGames},
    {"TREE5_SPIDER_TYPE", spider},
    {"TREE5_1DECK_TYPE", oneDeck},
    {"TREE5_2DECK_TYPE", twoDecks},
    {"TREE5_FAN_TYPE", fan},
    {"TREE5_BAKERSDOZEN_TYPE", bakersDozen},
    {"TREE5_ROW_TYPE", row},
};

} // namespace

PictureList makeTreeIcons()
{
    PictureList pictures;
    for (const Icon &icon : kIcons)
        pictures.push_back({QString::fromLatin1(icon.name), treeIcon(16, icon.draw)});
    return pictures;
}

} // namespace assetgen
