#include "toolbar_pictures.h"

#include "icon_kit.h"

#include <cmath>

namespace assetgen {

namespace {

// All toolbar pictures are designed on a 32 x 32 grid.
constexpr double kGrid = 32;

void newGame(QPainter &p)
{
    const Suit spade = Suit::Spades;
    drawMiniCard(p, QRectF(5, 5, 18, 25), 0, Qt::white, &spade);
    // A sparkle: a fresh deal.
    p.setPen(QPen(QColor(190, 120, 0), 0.8));
    p.setBrush(QColor(255, 210, 40));
    p.drawPath(starPath(QPointF(24, 8), 4, 7, 2.2, 0));
}

void openGame(QPainter &p)
{
    const Suit heart = Suit::Hearts;
    p.save();
    p.scale(2, 2);
    drawFolder(p, false);
    p.restore();
    drawMiniCard(p, QRectF(9, 3, 14, 19), 8, Qt::white, &heart);
    p.save();
    p.scale(2, 2);
    drawFolderFlap(p, 8.5); // in front of the card
    p.restore();
}

void autoplay(QPainter &p, bool enabled)
{
    const Suit diamond = Suit::Diamonds;
    drawMiniCard(p, QRectF(3, 3, 16, 22), -8, Qt::white, &diamond);
    // A bold "go" arrow: cards move by themselves.
    p.setPen(QPen(enabled ? QColor(0, 100, 0) : QColor(120, 120, 120), 1.2));
    p.setBrush(enabled ? QColor(60, 190, 60) : QColor(200, 200, 200));
    p.drawPath(rightArrow(QRectF(14, 11, 17, 20)));
}

void rules(QPainter &p)
{
    // A book with a question mark.
    p.setPen(QPen(QColor(20, 40, 110), 1.2));
    p.setBrush(QColor(250, 250, 240));
    p.drawRect(QRectF(8, 5, 20, 24));
    QLinearGradient cover(4, 0, 26, 0);
    cover.setColorAt(0, QColor(40, 80, 190));
    cover.setColorAt(1, QColor(70, 120, 230));
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(4, 3, 21, 25), 2, 2);
    p.setPen(QPen(QColor(20, 40, 110), 1.6));
    p.drawLine(QPointF(7, 3.5), QPointF(7, 27.5));
    drawCentredText(p, QStringLiteral("?"), QPointF(16, 15.5), pixelFont(kSans, 19, true),
                    Qt::white);
}

void exitProgram(QPainter &p)
{
    // An open door with an arrow leaving through it.
    p.setPen(QPen(QColor(90, 50, 20), 1.2));
    p.setBrush(QColor(60, 40, 30));
    p.drawRect(QRectF(5, 3, 16, 26));
    p.setBrush(QColor(190, 120, 60));
    p.drawPolygon(QPolygonF({{5, 3}, {14, 6}, {14, 31}, {5, 29}}));
    p.setBrush(QColor(250, 220, 80));
    p.drawEllipse(QPointF(12, 18), 1.1, 1.1);
    p.setPen(QPen(QColor(130, 0, 0), 1.2));
    p.setBrush(QColor(220, 40, 30));
    p.drawPath(rightArrow(QRectF(16, 9, 15, 16)));
}

struct Button {
    const char *name;
    std::function<void(QPainter &)> draw;
};

void monitor(QPainter &p, const QRectF &screen)
{
    p.setPen(QPen(QColor(50, 50, 60), 1.2));
    p.setBrush(QColor(200, 200, 210));
    p.drawRoundedRect(screen.adjusted(-3, -3, 3, 3), 2, 2);
    p.drawRect(QRectF(screen.center().x() - 4, screen.bottom() + 3, 8, 4));
    p.drawRoundedRect(QRectF(screen.center().x() - 10, screen.bottom() + 7, 20, 3), 1, 1);
}

void colourAdvice(QPainter &p)
{
    const QRectF screen(7, 6, 34, 24);
    monitor(p, screen);
    QLinearGradient rainbow(screen.topLeft(), screen.topRight());
    const QColor stops[] = {Qt::red, Qt::yellow, Qt::green, Qt::cyan, Qt::blue, Qt::magenta};
    for (int i = 0; i < 6; ++i)
        rainbow.setColorAt(i / 5.0, stops[i]);
    p.fillRect(screen, rainbow);
    QLinearGradient shade(screen.topLeft(), screen.bottomLeft());
    shade.setColorAt(0, QColor(255, 255, 255, 150));
    shade.setColorAt(0.5, QColor(255, 255, 255, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 170));
    p.fillRect(screen, shade);
}

void resolutionAdvice(QPainter &p)
{
    const QRectF screen(9, 4, 30, 20);
    monitor(p, screen);
    p.fillRect(screen, QColor(20, 90, 170));
    // Arrows to the corners: the size of the screen.
    p.setPen(QPen(Qt::white, 1.4));
    p.drawLine(QPointF(13, 14), QPointF(35, 14));
    p.drawLine(QPointF(24, 7), QPointF(24, 21));
    drawCentredText(p, QStringLiteral("640x480"), QPointF(24, 42), pixelFont(kSans, 11, true),
                    QColor(30, 30, 30), 0.85);
}

} // namespace

PictureList makeToolbarPictures()
{
    const Button buttons[] = {
        {"TB_NEW", newGame},
        {"TB_OPEN", openGame},
        {"TB_AUTOPLAY", [](QPainter &p) { autoplay(p, true); }},
        {"TB_AUTOPLAY_DIS", [](QPainter &p) { autoplay(p, false); }},
        {"TB_RULES", rules},
        {"TB_EXIT", exitProgram},
    };
    PictureList pictures;
    for (const Button &b : buttons)
        pictures.push_back({QString::fromLatin1(b.name), alphaIcon(16, kGrid, b.draw)});
    for (const Button &b : buttons)
        pictures.push_back({QString::fromLatin1(b.name) + "_LARGE", alphaIcon(32, kGrid, b.draw)});
    return pictures;
}

PictureList makeAdvicePictures()
{
    return {{"Color", alphaIcon(48, 48, colourAdvice)}, {"640x480", alphaIcon(48, 48, resolutionAdvice)}};
}

} // namespace assetgen
