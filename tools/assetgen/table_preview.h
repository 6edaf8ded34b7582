// A small scene for the contact sheet: a thick stock drawn from the stock
// edge pictures and a lifted card with its shadow pictures, placed as the
// table drawing places them, to judge how they look together.
#pragma once

#include "named_picture.h"

namespace assetgen {

PictureList makeTablePreview(const PictureList &library, const PictureList &backs);

} // namespace assetgen
