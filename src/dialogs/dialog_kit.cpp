#include "dialogs/dialog_kit.h"

#include <QBitmap>
#include <QPixmap>

#include "view/drawing_host.h"

namespace vantrel::dialogs {

QIcon treeIcon(DrawingHost& pictures, const char* name) {
    const QImage img = pictures.loadResourcePicture(name);
    if (img.isNull()) return {};
    QPixmap pixmap = QPixmap::fromImage(img);
    pixmap.setMask(pixmap.createMaskFromColor(SeeThrough));
    return QIcon(pixmap);
}

}  // namespace vantrel::dialogs
