// One overview picture of everything generated, each with its name, to
// look the whole set over at a glance.
#pragma once

#include "named_picture.h"

#include <optional>

namespace assetgen {

struct PictureGroup {
    QString title;
    const PictureList *pictures;
    // Pictures with a see-through colour are shown with it replaced by the
    // colour they are normally seen on.
    std::optional<QColor> seeThrough = std::nullopt;
    QColor shownOn = QColor(0, 96, 0);
    bool tiled = false; // backgrounds: 2 x 2 copies, so seams would show
};

QImage makeContactSheet(const std::vector<PictureGroup> &groups);

} // namespace assetgen
