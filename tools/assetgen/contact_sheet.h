// One overview picture of everything generated, each with its name, to
// look the whole set over at a glance.
#pragma once

#include "named_picture.h"

namespace assetgen {

struct PictureGroup {
    QString title;
    const PictureList *pictures;
};

QImage makeContactSheet(const std::vector<PictureGroup> &groups);

} // namespace assetgen
