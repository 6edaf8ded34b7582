// Building blocks of the small icons: little cards, folders, and the
// conversion to the see-through colour the tree views expect.
#pragma once

#include "paint_kit.h"

#include <QPainter>

namespace assetgen {

// The see-through colour of the tree pictures.
inline const QColor kTreeKey(128, 0, 0);

// A white card with a dark rim in `box`, turned by `degrees` round its
// centre, optionally showing a pip of `suit`.
void drawMiniCard(QPainter &p, const QRectF &box, double degrees = 0, const QColor &face = Qt::white,
                  const Suit *suit = nullptr);
void drawFolder(QPainter &p, bool open);
// The front flap of an open folder, its top edge at `top` (16-unit grid).
void drawFolderFlap(QPainter &p, double top);

// A star of `points` tips between radii `outer` and `inner`, first tip at
// `startAngle` radians.
QPainterPath starPath(const QPointF &centre, int points, double outer, double inner, double startAngle);
// A block arrow pointing right, filling `box`.
QPainterPath rightArrow(const QRectF &box);

// Draws at `size` x `size` (design units 16 x 16) with alpha, then keys the
// background to kTreeKey for a white tree.
QImage treeIcon(int size, const std::function<void(QPainter &)> &draw);
// The same with alpha kept (toolbar and dialog pictures).
QImage alphaIcon(int size, double design, const std::function<void(QPainter &)> &draw);

} // namespace assetgen
