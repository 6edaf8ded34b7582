// Pictures drawn along card edges:
//  - "SHADOW_<s>1" (right edge, 9 x (height - 7)) and "SHADOW_<s>2"
//    (bottom edge, (width + 1) x 9): a dithered shadow, white = see-through;
//  - "3D_BORDER_<s>1" (right edge, 15 x (height + 15)) and "3D_BORDER_<s>2"
//    (bottom edge, (width + 15) x 15): the edges of a stacked pile, one
//    line per layer, column/row 14 the outermost (bottom card); layer j
//    runs from j + 1 for a card's length, pure blue = see-through around it.
//    A pile d layers thick cuts them from 15 - d on both axes, so a cut of
//    the card's length + d always fits.
#pragma once

#include "named_picture.h"

namespace assetgen {

PictureList makeCardEdges();

} // namespace assetgen
