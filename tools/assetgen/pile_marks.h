// Empty-pile marks "W<size>001".."W<size>022", one card in size.
#pragma once

#include "named_picture.h"

namespace assetgen {

PictureList makePileMarks();

} // namespace assetgen
