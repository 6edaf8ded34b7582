#include "shell/program_style.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include "shell/resource_library.h"

namespace vantrel {

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    const bool horizontal = icon == SP_ToolBarHorizontalExtensionButton;
    if ((!horizontal && icon != SP_ToolBarVerticalExtensionButton) || QApplication::isRightToLeft())
        return QProxyStyle::standardIcon(icon, option, widget);
    QIcon arrows;
    for (const char* size : {"8", "16", "32"}) {
        const QString path = QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-%1-%2.png")
                                 .arg(QLatin1String(horizontal ? "h" : "v"), QLatin1String(size));
        const QImage picture = ReadPngPicture(path);
        if (!picture.isNull()) arrows.addPixmap(QPixmap::fromImage(picture));
    }
    return arrows.isNull() ? QProxyStyle::standardIcon(icon, option, widget) : arrows;
}

}  // namespace vantrel
