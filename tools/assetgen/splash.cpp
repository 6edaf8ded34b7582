#include "splash.h"

#include "paint_kit.h"

#include <QPainter>
#include <stdexcept>

namespace assetgen {

namespace {

QImage cutCard(const PictureList &sheets, const QString &sheetName, int rank)
{
    const CardSize &big = kCardSizes[0];
    for (const NamedPicture &sheet : sheets)
        if (sheet.name == sheetName)
            return sheet.image.copy((rank - 1) % 5 * big.width, (rank - 1) / 5 * big.height, big.width,
                                    big.height);
    throw std::runtime_error("face sheet " + sheetName.toStdString() + " was not drawn");
}

// Draws a card image with rounded corners and a soft shadow, turned round
// the middle of its bottom edge.
void drawFannedCard(QPainter &p, const QImage &card, const QPointF &pivot, double degrees, double scale)
{
    const QRectF r(-card.width() / 2.0, -card.height(), card.width(), card.height());
    p.save();
    p.translate(pivot);
    p.rotate(degrees);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(r.translated(2.5, 2.5), 5, 5);
    QBrush face(card);
    face.setTransform(QTransform::fromTranslate(r.left(), r.top()));
    p.setBrush(face);
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.drawRoundedRect(r, 5, 5);
    p.restore();
}

void drawFan(QPainter &p, const PictureList &sheets, const QPointF &pivot, double scale)
{
    const QImage cards[] = {cutCard(sheets, "CB001S", 1), cutCard(sheets, "CB001H", 13),
                            cutCard(sheets, "CB001D", 12), cutCard(sheets, "CB001C", 11)};
    for (int i = 0; i < 4; ++i)
        drawFannedCard(p, cards[i], pivot, -27 + i * 18, scale);
}

QImage splash(const PictureList &sheets)
{
    QImage img(400, 260, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QRadialGradient felt(QPointF(200, 110), 300);
    felt.setColorAt(0, QColor(20, 130, 40));
    felt.setColorAt(1, QColor(0, 50, 10));
    p.fillRect(img.rect(), felt);
    p.setPen(QPen(QColor(212, 175, 55), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5.5, 5.5, 389, 249));
    p.setPen(QPen(QColor(212, 175, 55, 120), 1));
    p.drawRect(QRectF(10.5, 10.5, 379, 239));

    drawFan(p, sheets, QPointF(110, 225), 1.05);

    const QFont title = pixelFont(kSerif, 44, true);
    QPainterPath text;
    text.addText(0, 0, title, QStringLiteral("Vantrel"));
    text.translate(QPointF(283, 112) - text.boundingRect().center());
    p.fillPath(text.translated(2, 3), QColor(0, 0, 0, 120));
    QLinearGradient gold(0, 85, 0, 135);
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(0.5, QColor(222, 180, 60));
    gold.setColorAt(1, QColor(160, 110, 20));
    p.setPen(QPen(QColor(90, 60, 0), 1));
    p.setBrush(gold);
    p.drawPath(text);
    drawCentredText(p, QStringLiteral("Solitaire"), QPointF(283, 152),
                    pixelFont(kSerif, 20, false), QColor(235, 245, 235));
    return img;
}

QImage logo(const PictureList &sheets)
{
    QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    drawFan(p, sheets, QPointF(64, 92), 0.66);
    drawCentredText(p, QStringLiteral("Vantrel"), QPointF(64, 112), pixelFont(kSerif, 24, true), QColor(20, 90, 30));
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

PictureList makeSplashAndLogo(const PictureList &faceSheets)
{
    return {{"SPLASH", splash(faceSheets)}, {"LOGO", logo(faceSheets)}};
}

} // namespace assetgen
