// The splash picture "SPLASH" (400 x 260) and the program's logo "LOGO"
// (128 x 128, alpha), drawn with cards cut from the classic face sheets.
#pragma once

#include "named_picture.h"

namespace assetgen {

PictureList makeSplashAndLogo(const PictureList &faceSheets);

} // namespace assetgen
