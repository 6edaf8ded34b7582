#include "pictures.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace iq::pictures {
namespace {

// Fixed pseudo-random sequence so every build draws the same stars.
class Sequence {
public:
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53);
    }
private:
    unsigned long long state_ = 20261207ULL;
};

void drawNebula(QPainter& p)
{
    struct Cloud { double x, y, r; QColor colour; };
    const Cloud clouds[] = {
        {520, 180, 260, QColor(150, 40, 170, 110)}, {610, 250, 200, QColor(40, 90, 200, 100)},
        {430, 120, 180, QColor(220, 80, 140, 80)},  {680, 140, 150, QColor(90, 200, 230, 60)},
        {560, 330, 170, QColor(120, 50, 200, 70)},  {350, 230, 140, QColor(200, 120, 220, 50)},
    };
    p.setPen(Qt::NoPen);
    for (const Cloud& c : clouds) {
        QRadialGradient g(QPointF(c.x, c.y), c.r);
        g.setColorAt(0, c.colour);
        QColor edge = c.colour;
        edge.setAlpha(0);
        g.setColorAt(1, edge);
        p.setBrush(g);
        p.drawEllipse(QPointF(c.x, c.y), c.r, c.r * 0.7);
    }
}

void drawStars(QPainter& p, QSize size)
{
    Sequence random;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 700; ++i) {
        const double x = random.next() * size.width();
        const double y = random.next() * size.height();
        const double brightness = random.next();
        const int level = 120 + static_cast<int>(brightness * 135);
        p.setBrush(QColor(level, level, std::min(255, level + 20)));
        const double r = brightness > 0.97 ? 1.6 : brightness > 0.8 ? 1.0 : 0.6;
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void drawPlanet(QPainter& p)
{
    const QPointF centre(130, 500);
    const double radius = 95;
    QRadialGradient glow(centre, radius * 1.3);
    glow.setColorAt(0.7, QColor(255, 90, 40, 90));
    glow.setColorAt(1, QColor(255, 90, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 1.3, radius * 1.3);

    QRadialGradient body(centre + QPointF(-35, -35), radius * 1.5);
    body.setColorAt(0, QColor(250, 120, 80));
    body.setColorAt(0.45, QColor(200, 40, 20));
    body.setColorAt(1, QColor(40, 5, 5));
    p.setBrush(body);
    p.drawEllipse(centre, radius, radius);

    // a few darker bands across the surface
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.save();
    p.setClipPath(disc);
    p.setBrush(QColor(90, 15, 10, 70));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(centre.x() - 10 + 15 * i, centre.y() - 50 + 30 * i), radius * 1.1, 8);
    p.restore();
}

struct FaceColours { QColor face, light, dark, ink; };

FaceColours coloursOf(Face face)
{
    switch (face) {
    case Face::Pressed: return {QColor(255, 150, 30), QColor(255, 200, 120), QColor(150, 70, 0), QColor(255, 255, 0)};
    case Face::Disabled: return {QColor(170, 170, 170), QColor(210, 210, 210), QColor(110, 110, 110), QColor(125, 125, 125)};
    case Face::Normal: break;
    }
    return {QColor(220, 20, 20), QColor(255, 120, 120), QColor(110, 0, 0), Qt::black};
}

// Face with a raised (or, pressed, sunken) bevel.
QImage buttonFace(QSize size, Face face, const FaceColours& c)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(c.face);
    QPainter p(&image);
    const bool sunken = face == Face::Pressed;
    const int w = size.width() - 1, h = size.height() - 1;
    p.setPen(Qt::black);
    p.drawRect(0, 0, w, h);
    p.setPen(sunken ? c.dark : c.light);
    p.drawLine(1, 1, w - 1, 1);
    p.drawLine(1, 1, 1, h - 1);
    p.setPen(sunken ? c.light : c.dark);
    p.drawLine(1, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, 1, w - 1, h - 1);
    return image;
}

QString faceName(Face face)
{
    switch (face) {
    case Face::Pressed: return QStringLiteral("pressed");
    case Face::Disabled: return QStringLiteral("disabled");
    case Face::Normal: break;
    }
    return QStringLiteral("normal");
}

}  // namespace

QImage background()
{
    const QSize size(800, 601);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(5, 5, 25));
    sky.setColorAt(1, QColor(15, 5, 35));
    p.fillRect(image.rect(), sky);
    drawNebula(p);
    drawStars(p, size);
    drawPlanet(p);
    return image;
}

QImage arrowButton(bool left, Face face)
{
    const FaceColours c = coloursOf(face);
    QImage image = buttonFace(QSize(33, 24), face, c);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double shift = face == Face::Pressed ? 1 : 0;
    const double cx = 16.5 + shift, cy = 12 + shift;
    QPolygonF arrow;
    if (left)
        arrow << QPointF(cx - 7, cy) << QPointF(cx + 5, cy - 7) << QPointF(cx + 5, cy + 7);
    else
        arrow << QPointF(cx + 7, cy) << QPointF(cx - 5, cy - 7) << QPointF(cx - 5, cy + 7);
    p.setPen(Qt::NoPen);
    p.setBrush(c.ink);
    p.drawPolygon(arrow);
    return image;
}

QImage wideButton(const QString& word, Face face)
{
    const FaceColours c = coloursOf(face);
    QImage image = buttonFace(QSize(73, 24), face, c);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    // the longest word still keeps a margin from the bevel
    for (int pixels = 12; pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(word) <= image.width() - 10)
            break;
    }
    p.setFont(font);
    p.setPen(c.ink);
    const int shift = face == Face::Pressed ? 1 : 0;
    p.drawText(image.rect().translated(shift, shift), Qt::AlignCenter, word);
    return image;
}

QImage icon()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient body(QPointF(12, 11), 22);
    body.setColorAt(0, QColor(250, 120, 80));
    body.setColorAt(1, QColor(150, 20, 10));
    p.setPen(QColor(60, 0, 0));
    p.setBrush(body);
    p.drawEllipse(QRectF(1, 1, 30, 30));
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::yellow);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("IQ"));
    return image;
}

std::vector<NamedPicture> all()
{
    std::vector<NamedPicture> list;
    list.push_back({QStringLiteral("pozadi.png"), background()});
    list.push_back({QStringLiteral("ikona.png"), icon()});
    const Face faces[] = {Face::Normal, Face::Pressed, Face::Disabled};
    const std::pair<QString, QString> words[] = {{QStringLiteral("start"), QStringLiteral("START")},
                                                 {QStringLiteral("vysledky"), QStringLiteral("VÝSLEDKY")},
                                                 {QStringLiteral("konec"), QStringLiteral("KONEC")}};
    for (Face face : faces) {
        const QString suffix = QLatin1Char('_') + faceName(face) + QStringLiteral(".png");
        list.push_back({QStringLiteral("predchozi") + suffix, arrowButton(true, face)});
        list.push_back({QStringLiteral("dalsi") + suffix, arrowButton(false, face)});
        for (const auto& [name, word] : words)
            list.push_back({name + suffix, wideButton(word, face)});
    }
    return list;
}

}  // namespace iq::pictures
