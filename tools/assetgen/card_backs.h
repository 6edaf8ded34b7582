// Card backs "D<size><number>" for Images/: 001 Boat, 003 Snowman,
// 006 a plain lattice, 011 Plaiting 1, 014 Roses, 019 Tropical fish.
#pragma once

#include "named_picture.h"

namespace assetgen {

PictureList makeCardBacks();

} // namespace assetgen
