// Indicator pictures of the game description, 48 x 13 on white:
// "PROG_TIME_*", "PROG_DIFF_*", "PROG_CHAN_*" - a small sign and a bar of
// lit segments, so the level reads at a glance.
#pragma once

#include "named_picture.h"

namespace assetgen {

PictureList makeIndicators();

} // namespace assetgen
