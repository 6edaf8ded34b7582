#include "card_faces.h"

#include "fan_index.h"
#include "paint_kit.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>
#include <stdexcept>

namespace assetgen {

namespace {

constexpr Suit kSuits[] = {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};
constexpr const char *kSuitLetters[] = {"H", "D", "C", "S"};
constexpr const char *kSvgSuits[] = {"heart", "diamond", "club", "spade"};

QString svgElement(int rank, int suitIndex)
{
    static const char *faces[] = {"jack", "queen", "king"};
    const QString r = rank > 10 ? QString::fromLatin1(faces[rank - 11]) : QString::number(rank);
    return r + '_' + QString::fromLatin1(kSvgSuits[suitIndex]);
}

// How the simple (non-SVG) faces are coloured.
struct SimpleStyle {
    QColor paper;
    QColor red;
    QColor black;
    QColor frame;
};

// A bold face readable at every size: big index, one big pip in the middle.
void drawSimpleFace(QPainter &p, int rank, Suit suit, const SimpleStyle &style)
{
    const QBrush ink(isRed(suit) ? style.red : style.black);
    p.fillRect(QRectF(0, 0, kFaceDesignW, kFaceDesignH), style.paper);
    p.setPen(QPen(style.frame, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.8, 0.8, kFaceDesignW - 1.6, kFaceDesignH - 1.6));
    drawFanIndex(p, rank, suit, ink);
    const QRectF centre(22, 30, 27, 36);
    if (rank <= 10) {
        p.fillPath(suitPathIn(suit, centre.adjusted(-3, -3, 3, 3)), ink);
        return;
    }
    // Court cards: the letter on a tinted panel, so they stand out from the pips.
    p.setPen(QPen(ink.color(), 1.4));
    p.setBrush(mix(ink.color(), style.paper, 0.86));
    p.drawRoundedRect(centre.adjusted(-2, -2, 2, 2), 3, 3);
    drawCentredText(p, rankText(rank), centre.center() + QPointF(0, -5),
                    pixelFont(kSerif, 24, true), ink);
    p.fillPath(suitPathIn(suit, QRectF(centre.center().x() - 6, centre.bottom() - 13, 12, 12)), ink);
}

// The smallest size: rank top-left, a large pip below right. Nothing else fits.
void drawTinyFace(QPainter &p, int rank, Suit suit, const SimpleStyle &style)
{
    const QBrush ink(isRed(suit) ? style.red : style.black);
    p.fillRect(QRectF(0, 0, 25, 32), style.paper);
    p.setPen(QPen(style.frame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 24, 31));
    const QFont font = pixelFont(kSans, rank == 10 ? 11 : 13, true);
    drawCentredText(p, rankText(rank), QPointF(rank == 10 ? 8 : 7, 8), font, ink, 0.82);
    p.fillPath(suitPathIn(suit, QRectF(8.5, 13.5, 15, 17)), ink);
}

const SimpleStyle kClassicTiny{QColor(255, 255, 255), QColor(210, 0, 0), QColor(0, 0, 0), QColor(60, 60, 60)};
const SimpleStyle kIvoryTiny{QColor(255, 250, 236), QColor(180, 20, 30), QColor(20, 20, 50), QColor(110, 90, 60)};
const SimpleStyle kContrast{QColor(255, 255, 255), QColor(205, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0)};

// How a deck's corners are made readable in a fan (its pips and pictures
// stay as the deck draws them).
enum class DeckCorner {
    AddSuit,      // pips crowd the corner: a suit mark at the top right
    RedrawIndex,  // room beside the rank: the fan index replaces the deck's
};

struct FaceSet {
    int number;
    const char *svgFile;          // deck drawn at the two larger sizes, or null
    const SimpleStyle *simple;    // style of the drawn faces
    DeckCorner corner;
    QRectF deckIndex;             // the deck's top-left index, design units
};

const FaceSet kFaceSets[] = {
    {1, "svg-standard/standard.svgz", &kClassicTiny, DeckCorner::AddSuit, {}},
    {2, "svg-nicu-white/white.svgz", &kIvoryTiny, DeckCorner::RedrawIndex, {0.9, 2.0, 17.9, 41.6}},
    {3, nullptr, &kContrast, DeckCorner::RedrawIndex, {}},
};

// The decks' own red and black.
const QColor kDeckRed(255, 0, 0), kDeckBlack(0, 0, 0);

void drawDeckCorners(QPainter &p, const FaceSet &set, int rank, Suit suit, const CardSize &size)
{
    const QBrush ink(isRed(suit) ? kDeckRed : kDeckBlack);
    p.save();
    p.scale(size.width / kFaceDesignW, size.height / kFaceDesignH);
    if (set.corner == DeckCorner::AddSuit) {
        drawFanSuitMarks(p, suit, ink);
    } else {
        clearDeckIndex(p, set.deckIndex, Qt::white);
        drawFanIndex(p, rank, suit, ink);
    }
    p.restore();
}

QImage drawSvgCard(QSvgRenderer &deck, const FaceSet &set, int rank, int suitIndex, const CardSize &size)
{
    QImage card = supersample(size.width, size.height, size.width, size.height, [&](QPainter &p) {
        p.fillRect(QRectF(0, 0, size.width, size.height), Qt::white);
        // Slightly oversized: the deck's own rounded outline falls outside,
        // the square edge drawn below replaces it.
        deck.render(&p, svgElement(rank, suitIndex), QRectF(-1.2, -1.2, size.width + 2.4, size.height + 2.4));
        drawDeckCorners(p, set, rank, kSuits[suitIndex], size);
    }, 2);
    QPainter p(&card);
    p.setPen(QColor(70, 70, 70));
    p.drawRect(0, 0, size.width - 1, size.height - 1);
    return card;
}

QImage drawCard(QSvgRenderer *deck, const FaceSet &set, int rank, int suitIndex, const CardSize &size)
{
    const Suit suit = kSuits[suitIndex];
    if (size.letter == 'L')
        return supersample(size.width, size.height, 25, 32,
                           [&](QPainter &p) { drawTinyFace(p, rank, suit, *set.simple); });
    if (deck)
        return drawSvgCard(*deck, set, rank, suitIndex, size);
    return supersample(size.width, size.height, kFaceDesignW, kFaceDesignH,
                       [&](QPainter &p) { drawSimpleFace(p, rank, suit, *set.simple); });
}

std::unique_ptr<QSvgRenderer> openDeck(const QString &folder, const char *file)
{
    if (!file)
        return nullptr;
    const QString path = folder + '/' + QString::fromLatin1(file);
    auto deck = std::make_unique<QSvgRenderer>(path);
    if (!deck->isValid())
        throw std::runtime_error("cannot read card deck " + path.toStdString() +
                                 " (is the package kdegames-card-data-kf5 installed?)");
    for (int s = 0; s < 4; ++s)
        for (int rank = 1; rank <= 13; ++rank)
            if (!deck->elementExists(svgElement(rank, s)))
                throw std::runtime_error("card deck " + path.toStdString() + " has no element " +
                                         svgElement(rank, s).toStdString());
    return deck;
}

} // namespace

PictureList makeFaceSheets(const QString &deckFolder)
{
    PictureList sheets;
    for (const FaceSet &set : kFaceSets) {
        std::unique_ptr<QSvgRenderer> deck = openDeck(deckFolder, set.svgFile);
        for (const CardSize &size : kCardSizes) {
            for (int s = 0; s < 4; ++s) {
                QImage sheet(size.width * 6, size.height * 4, QImage::Format_RGB32);
                sheet.fill(Qt::white);
                QPainter p(&sheet);
                for (int rank = 1; rank <= 13; ++rank) {
                    const int cell = rank - 1;
                    p.drawImage(cell % 5 * size.width, cell / 5 * size.height,
                                drawCard(deck.get(), set, rank, s, size));
                }
                p.end();
                sheets.push_back({sizedName("C", size, threeDigits(set.number) + kSuitLetters[s]), sheet});
            }
        }
    }
    return sheets;
}

} // namespace assetgen
