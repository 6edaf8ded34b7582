// Tree pictures (16 x 16, RGB(128, 0, 0) see-through):
//  "TREE1" closed folder, "TREE2" open folder, "N_TREE3" a card back,
//  "N_TREE4" a picture, "N_TREE5" a colour; and the game category icons
//  "TREE5_<CATEGORY>_TYPE".
#pragma once

#include "named_picture.h"

namespace assetgen {

PictureList makeTreeIcons();

} // namespace assetgen
