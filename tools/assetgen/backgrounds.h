// Table backgrounds "B<number>" for Images/, seamless tiles: 102 Moquette,
// 287 Metal gold, 296 Moquette 1, 304 Brick wall 1, 311 Parquet, 324 Meadow.
#pragma once

#include "named_picture.h"

namespace assetgen {

PictureList makeBackgrounds();

} // namespace assetgen
