// Toolbar pictures with alpha: small (16 x 16) "TB_NEW", "TB_OPEN",
// "TB_AUTOPLAY", "TB_AUTOPLAY_DIS", "TB_RULES", "TB_EXIT", and the same
// names + "_LARGE" at 32 x 32; the advice pictures "Color" and "640x480"
// (48 x 48).
#pragma once

#include "named_picture.h"

namespace assetgen {

PictureList makeToolbarPictures();
PictureList makeAdvicePictures();

} // namespace assetgen
