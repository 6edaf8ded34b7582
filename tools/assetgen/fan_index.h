// The corner index of a card face, laid out for the strip that a fanned row
// leaves of a covered card: 18 pixels from the top and 12 from the left at
// size B, 14 and 10 at size M. Drawn in face design units (71 x 96, scaled
// to the card), so one layout serves both sizes.
#pragma once

#include "paint_kit.h"

#include <QBrush>

class QPainter;

namespace assetgen {

inline constexpr double kFaceDesignW = 71, kFaceDesignH = 96;

QString rankText(int rank);

// Rank in the corner, the suit beside it (shown by rows fanned down) and
// under it (rows fanned to the right); at both corners, the lower one
// upside down.
void drawFanIndex(QPainter &p, int rank, Suit suit, const QBrush &ink);

// Where a deck's own index stays: a suit mark in the free top-right corner
// of the top strip (and upside down at the bottom left), for decks whose
// pips leave no room beside the rank.
void drawFanSuitMarks(QPainter &p, Suit suit, const QBrush &ink);

// Paper over a deck's own index: `topLeft` and the same area turned round
// at the lower corner.
void clearDeckIndex(QPainter &p, const QRectF &topLeft, const QColor &paper);

} // namespace assetgen
