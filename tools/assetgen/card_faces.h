// Card face sheets "C<size><set><suit>": one sheet per suit, Ace..King in
// rows of 5, 5 and 3 on a grid 6 cards wide and 4 high.
#pragma once

#include "named_picture.h"

namespace assetgen {

// `deckFolder` holds the SVG card decks; throws std::runtime_error naming
// the deck file when one cannot be read.
PictureList makeFaceSheets(const QString &deckFolder);

} // namespace assetgen
